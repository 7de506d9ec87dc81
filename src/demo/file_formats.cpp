#include "demo/file_formats.h"

#include <algorithm>
#include <cmath>

namespace demo {

namespace {

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 255));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 255));
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  put_u16(out, v & 0xFFFF);
  put_u16(out, v >> 16);
}

constexpr std::uint32_t file_header_size = 14;
constexpr std::uint32_t info_header_size = 40;
constexpr std::uint16_t bits_per_pixel = 24;
constexpr std::uint32_t pixels_per_metre = 2835;  // 72 dpi
constexpr std::uint32_t format_chunk_size = 16;
constexpr std::uint16_t pcm_tag = 1;

void put_sample(std::vector<std::uint8_t>& out, double v, int bits) {
  v = std::clamp(v, -1.0, 1.0);
  if (bits == 8) {
    out.push_back(static_cast<std::uint8_t>(std::lround(128 + v * 127)));
    return;
  }
  const auto s = static_cast<std::int16_t>(std::lround(v * 32767));
  put_u16(out, static_cast<std::uint16_t>(s));
}

void put_tag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> encode_bmp24(const platform::Surface& surface, int x, int y, int width, int height) {
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
  const std::uint32_t data_size = row_bytes * static_cast<std::uint32_t>(height);
  const std::uint32_t data_offset = file_header_size + info_header_size;
  std::vector<std::uint8_t> out;
  out.reserve(data_offset + data_size);
  out.push_back('B');
  out.push_back('M');
  put_u32(out, data_offset + data_size);
  put_u32(out, 0);
  put_u32(out, data_offset);
  put_u32(out, info_header_size);
  put_u32(out, static_cast<std::uint32_t>(width));
  put_u32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up rows
  put_u16(out, 1);
  put_u16(out, bits_per_pixel);
  put_u32(out, 0);  // BI_RGB
  put_u32(out, data_size);
  put_u32(out, pixels_per_metre);
  put_u32(out, pixels_per_metre);
  put_u32(out, 0);
  put_u32(out, 0);
  for (int row = height - 1; row >= 0; --row) {
    for (int column = 0; column < width; ++column) {
      const platform::Rgb c = platform::read_pixel(surface, x + column, y + row);
      out.push_back(static_cast<std::uint8_t>(c.b));
      out.push_back(static_cast<std::uint8_t>(c.g));
      out.push_back(static_cast<std::uint8_t>(c.r));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < row_bytes; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<std::uint8_t> encode_bmp24(const platform::Surface& surface) {
  return encode_bmp24(surface, 0, 0, surface.width, surface.height);
}

std::vector<std::uint8_t> encode_wav(const Clip& clip, int bits_per_sample, int sample_rate) {
  const auto channels = static_cast<std::uint32_t>(clip.channels);
  const std::uint32_t block_align = channels * static_cast<std::uint32_t>(bits_per_sample / 8);
  const auto data_size = static_cast<std::uint32_t>(clip.frames()) * block_align;
  const std::uint32_t pad = data_size % 2;
  std::vector<std::uint8_t> out;
  out.reserve(44 + data_size + pad);
  put_tag(out, "RIFF");
  put_u32(out, 4 + 8 + format_chunk_size + 8 + data_size + pad);
  put_tag(out, "WAVE");
  put_tag(out, "fmt ");
  put_u32(out, format_chunk_size);
  put_u16(out, pcm_tag);
  put_u16(out, channels);
  put_u32(out, static_cast<std::uint32_t>(sample_rate));
  put_u32(out, static_cast<std::uint32_t>(sample_rate) * block_align);
  put_u16(out, block_align);
  put_u16(out, static_cast<std::uint32_t>(bits_per_sample));
  put_tag(out, "data");
  put_u32(out, data_size);
  const std::size_t count = clip.frames() * channels;
  for (std::size_t i = 0; i < count; ++i) put_sample(out, clip.samples[i], bits_per_sample);
  if (pad) out.push_back(0);
  return out;
}

}  // namespace demo
