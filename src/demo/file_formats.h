#pragma once
// The demo's files in the formats the program reads: pictures as uncompressed 24-bit BMP
// (BI_RGB), sounds as RIFF WAVE with a 16-byte PCM format chunk, 8-bit (unsigned) or 16-bit
// (signed) samples, mono or stereo.
#include <cstdint>
#include <vector>

#include "platform/display/surface.h"

namespace demo {

// The rectangle (x, y, width, height) of the surface as a whole BMP file, rows bottom-up and
// padded to four bytes.
std::vector<std::uint8_t> encode_bmp24(const platform::Surface& surface, int x, int y, int width, int height);

// The whole surface.
std::vector<std::uint8_t> encode_bmp24(const platform::Surface& surface);

inline constexpr int demo_sample_rate = 22050;

// Interleaved samples in -1..1 (left, right for stereo); louder ones are clipped.
struct Clip {
  int channels = 1;
  std::vector<double> samples;

  std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

std::vector<std::uint8_t> encode_wav(const Clip& clip, int bits_per_sample, int sample_rate = demo_sample_rate);

}  // namespace demo
