#pragma once
// Plain-English reasons why the player does not use a picture or sound file that exists.
#include <cstdint>
#include <span>
#include <string>

#include "platform/audio/audio.h"
#include "sound/wave_file.h"

namespace check {

// What the header of a BMP the decoder refused says (size, depth, compression), or that the
// file is no BMP at all.
std::string describe_refused_bmp(std::span<const std::uint8_t> file);

// Why a file is not a WAV the player reads; `layout` holds what was read before the problem.
std::string describe_wave_problem(WaveProblem problem, const WaveLayout& layout);

// Why the player refuses a PCM clip of this format.
std::string describe_refused_clip(const platform::ClipFormat& format, std::uint32_t data_bytes);

}  // namespace check
