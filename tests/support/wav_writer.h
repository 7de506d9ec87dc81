#pragma once
// Writes WAVE files for the tests: a 44-byte canonical header (a 16-byte format chunk, then
// "data") around a 440 Hz tone.
#include <cstdint>
#include <string>

namespace test_support {

struct WavFormat {
  std::uint16_t format_tag = 1;  // 1 PCM; anything else the program refuses
  std::uint16_t channels = 1;
  std::uint32_t samples_per_second = 22050;
  std::uint16_t bits_per_sample = 8;  // 8 (unsigned) or 16 (signed) samples
};

// Offsets in the canonical header.
inline constexpr std::size_t riff_size_offset = 4;
inline constexpr std::size_t format_size_offset = 16;
inline constexpr std::size_t format_tag_offset = 20;
inline constexpr std::size_t data_size_offset = 40;
inline constexpr std::size_t canonical_header_size = 44;

std::string make_wav(const WavFormat& format, double seconds);

}  // namespace test_support
