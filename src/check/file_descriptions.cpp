#include "check/file_descriptions.h"

#include "platform/files/le_reader.h"

namespace check {

namespace {

constexpr std::size_t info_header_at = 14;
constexpr std::uint32_t info_header_size = 40;
constexpr std::uint16_t float_tag = 3;
constexpr std::uint16_t extensible_tag = 0xFFFE;

std::string compression_name(std::uint32_t compression) {
  switch (compression) {
    case 0: return "uncompressed";
    case 1: return "RLE8-compressed";
    case 2: return "RLE4-compressed";
    case 3:
    case 6: return "with bit fields";
    case 4: return "JPEG-compressed";
    case 5: return "PNG-compressed";
    default: return "with the unknown compression " + std::to_string(compression);
  }
}

std::string format_tag_name(std::uint16_t tag, std::uint16_t bits) {
  switch (tag) {
    case 2: return "compressed (Microsoft ADPCM)";
    case float_tag: return std::to_string(bits) + "-bit floating point";
    case 6: return "A-law";
    case 7: return "mu-law";
    case 0x11: return "compressed (IMA ADPCM)";
    case 0x55: return "MP3 inside a WAV file";
    case extensible_tag: return std::to_string(bits) + "-bit sound in the extensible WAV format";
    default: return "in the non-PCM format " + std::to_string(tag);
  }
}

}  // namespace

std::string describe_refused_bmp(std::span<const std::uint8_t> file) {
  const platform::LeReader in(file);
  if (!in.holds_text(0, "BM")) return "it is not a BMP file";
  const auto header_size = in.u32(info_header_at);
  if (!header_size || *header_size < info_header_size || !in.holds(info_header_at, info_header_size))
    return "its BMP header is damaged or of a kind the player does not read";
  const std::int32_t width = *in.i32(info_header_at + 4);
  const std::int32_t height = *in.i32(info_header_at + 8);
  const std::uint16_t bits = *in.u16(info_header_at + 14);
  const std::uint32_t compression = *in.u32(info_header_at + 16);
  return "its header says " + std::to_string(width) + " x " + std::to_string(height < 0 ? -height : height) + ", " +
         std::to_string(bits) + " bits per pixel, " + compression_name(compression) + ", in " +
         std::to_string(file.size()) + " bytes";
}

std::string describe_wave_problem(WaveProblem problem, const WaveLayout& layout) {
  switch (problem) {
    case WaveProblem::none: return "";
    case WaveProblem::not_riff_wave: return "it is not a RIFF WAVE file";
    case WaveProblem::no_format_chunk: return "it has no format chunk of 16 bytes or more";
    case WaveProblem::not_pcm: return "it is " + format_tag_name(layout.format_tag, layout.bits_per_sample);
    case WaveProblem::no_data_chunk: return "it has no data chunk";
  }
  return "";
}

std::string describe_refused_clip(const platform::ClipFormat& format, std::uint32_t data_bytes) {
  if (format.bits_per_sample != 8 && format.bits_per_sample != 16)
    return "it is " + std::to_string(format.bits_per_sample) + "-bit PCM";
  if (format.channels != 1 && format.channels != 2) return "it has " + std::to_string(format.channels) + " channels";
  if (format.block_align != format.channels * format.bits_per_sample / 8)
    return "its block alignment " + std::to_string(format.block_align) + " does not fit its samples";
  if (format.samples_per_second < platform::min_frequency || format.samples_per_second > platform::max_frequency)
    return "its rate of " + std::to_string(format.samples_per_second) + " Hz is out of range";
  if (data_bytes < platform::min_clip_bytes) return "it holds almost no sound";
  return "it declares " + std::to_string(data_bytes) + " bytes of sound, more than the player takes";
}

}  // namespace check
