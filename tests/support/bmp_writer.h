#pragma once
// Writes BMP files for the tests: any header, palette, masks and pixel data byte by byte, and
// the plain 24-bit pictures most tests need.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

struct BmpFile {
  std::uint32_t header_size = 40;  // 12 writes the OS/2 core header
  std::int32_t width = 1;
  std::int32_t height = 1;  // negative: rows stored top-down
  std::uint16_t planes = 1;
  std::uint16_t bits = 24;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
  std::vector<std::uint32_t> palette;  // 0x00RRGGBB; 3 bytes each in a core file, else 4
  std::vector<std::uint32_t> masks;    // after a 40-byte header, inside a longer one
  std::vector<std::uint8_t> pixel_data;
  std::optional<std::uint32_t> pixel_offset;  // default: right after the palette

  std::vector<std::uint8_t> bytes() const;
  std::string text() const;  // the same bytes, for TempDir::write
};

// Stored rows, bottom-up and padded to 4 bytes, of pixels `value(x, y)` (y from the top),
// `bits` each: indices packed high bits first below 8, else little-endian bytes.
std::vector<std::uint8_t> stored_rows(int width, int height, int bits,
                                      const std::function<std::uint32_t(int, int)>& value);

// A 24-bit picture; colour(x, y) gives 0x00RRGGBB for each pixel.
std::string make_bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

inline std::string make_solid_bmp24(int width, int height, std::uint32_t rgb) {
  return make_bmp24(width, height, [rgb](int, int) { return rgb; });
}

}  // namespace test_support
