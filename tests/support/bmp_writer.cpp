#include "support/bmp_writer.h"

#include "support/le_bytes.h"

namespace test_support {
namespace {

constexpr std::uint32_t file_header_size = 14;
constexpr std::uint32_t core_header_size = 12;
constexpr std::uint32_t info_header_size = 40;

}  // namespace

std::vector<std::uint8_t> BmpFile::bytes() const {
  std::vector<std::uint8_t> out(file_header_size + header_size);
  out[0] = 'B';
  out[1] = 'M';
  const std::size_t h = file_header_size;
  put_le(out, h, header_size, 4);
  if (header_size == core_header_size) {
    put_le(out, h + 4, static_cast<std::uint16_t>(width), 2);
    put_le(out, h + 6, static_cast<std::uint16_t>(height), 2);
    put_le(out, h + 8, planes, 2);
    put_le(out, h + 10, bits, 2);
  } else {
    put_le(out, h + 4, static_cast<std::uint32_t>(width), 4);
    put_le(out, h + 8, static_cast<std::uint32_t>(height), 4);
    put_le(out, h + 12, planes, 2);
    put_le(out, h + 14, bits, 2);
    put_le(out, h + 16, compression, 4);
    put_le(out, h + 32, colours_used, 4);
  }
  std::size_t at = header_size > info_header_size ? h + info_header_size : out.size();
  for (const std::uint32_t mask : masks) {
    put_le(out, at, mask, 4);
    at += 4;
  }
  at = out.size();
  const int entry = header_size == core_header_size ? 3 : 4;
  for (const std::uint32_t colour : palette) {
    put_le(out, at, colour, entry);
    at += entry;
  }
  const std::uint32_t offset = pixel_offset.value_or(static_cast<std::uint32_t>(out.size()));
  if (out.size() < offset) out.resize(offset);
  out.insert(out.begin() + offset, pixel_data.begin(), pixel_data.end());
  put_le(out, 2, out.size(), 4);
  put_le(out, 10, offset, 4);
  return out;
}

std::string BmpFile::text() const {
  const auto b = bytes();
  return std::string(b.begin(), b.end());
}

std::vector<std::uint8_t> stored_rows(int width, int height, int bits,
                                      const std::function<std::uint32_t(int, int)>& value) {
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  std::vector<std::uint8_t> out(stride * height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = out.data() + (height - 1 - y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = value(x, y);
      if (bits < 8) {
        const int bit = x * bits;
        row[bit / 8] |= static_cast<std::uint8_t>(v << (8 - bits - bit % 8));
      } else {
        for (int i = 0; i < bits / 8; ++i) row[x * bits / 8 + i] = static_cast<std::uint8_t>(v >> (8 * i));
      }
    }
  }
  return out;
}

std::string make_bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  BmpFile file;
  file.width = width;
  file.height = height;
  file.pixel_data = stored_rows(width, height, 24, colour);
  return file.text();
}

}  // namespace test_support
