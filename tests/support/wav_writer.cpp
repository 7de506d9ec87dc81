#include "support/wav_writer.h"

#include <cmath>
#include <numbers>

#include "support/le_bytes.h"

namespace test_support {

std::string make_wav(const WavFormat& format, double seconds) {
  const std::uint32_t frames = static_cast<std::uint32_t>(std::lround(seconds * format.samples_per_second));
  const std::uint32_t block = format.channels * format.bits_per_sample / 8u;
  std::string bytes = "RIFF";
  append_le(bytes, canonical_header_size - 8 + std::uint64_t{frames} * block, 4);
  bytes += "WAVEfmt ";
  append_le(bytes, 16, 4);
  append_le(bytes, format.format_tag, 2);
  append_le(bytes, format.channels, 2);
  append_le(bytes, format.samples_per_second, 4);
  append_le(bytes, std::uint64_t{format.samples_per_second} * block, 4);
  append_le(bytes, block, 2);
  append_le(bytes, format.bits_per_sample, 2);
  bytes += "data";
  append_le(bytes, std::uint64_t{frames} * block, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double wave = 0.5 * std::sin(2 * std::numbers::pi * 440.0 * i / format.samples_per_second);
    for (int c = 0; c < format.channels; ++c) {
      if (format.bits_per_sample == 16)
        append_le(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(wave * 32767)), 2);
      else
        append_le(bytes, static_cast<std::uint8_t>(128 + wave * 127), 1);
    }
  }
  return bytes;
}

}  // namespace test_support
