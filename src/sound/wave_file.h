#pragma once
// The layout of a RIFF WAVE sound file: its PCM format record and where its samples lie.
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr std::uint16_t pcm_format_tag = 1;

struct WaveLayout {
  std::uint16_t format_tag = 0;
  std::uint16_t channels = 0;
  std::uint32_t samples_per_second = 0;
  std::uint32_t average_bytes_per_second = 0;
  std::uint16_t block_align = 0;
  std::uint16_t bits_per_sample = 0;
  // Where the "data" chunk's bytes start, and its size as declared, which may run past the
  // end of the file.
  std::size_t data_offset = 0;
  std::uint32_t data_size = 0;
};

// Which test a file failed, in the order they are made.
enum class WaveProblem { none, not_riff_wave, no_format_chunk, not_pcm, no_data_chunk };

// Reads a whole WAVE file held in memory. The first chunk must be "RIFF" of form "WAVE";
// inside it a "fmt " chunk of at least 16 bytes whose format tag is PCM (1); after it a "data"
// chunk. Chunks are walked with their pad bytes and never past the RIFF chunk or the file.
// The format fields are filled as soon as they are read, also for a file that is not PCM.
WaveProblem read_wave_layout(std::span<const std::uint8_t> file, WaveLayout& layout);

// Whether read_wave_layout finds no problem.
bool parse_wave(std::span<const std::uint8_t> file, WaveLayout& layout);
