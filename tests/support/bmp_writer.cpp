#include "support/bmp_writer.h"

namespace test_support {
namespace {

void put32(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 255);
}
void put16(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 2; ++i) s += static_cast<char>((v >> (8 * i)) & 255);
}

}  // namespace

std::string make_bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour) {
  const int row_bytes = (width * 3 + 3) / 4 * 4;
  const std::uint32_t data_size = static_cast<std::uint32_t>(row_bytes * height);
  std::string s = "BM";
  put32(s, 54 + data_size);
  put32(s, 0);
  put32(s, 54);
  put32(s, 40);
  put32(s, static_cast<std::uint32_t>(width));
  put32(s, static_cast<std::uint32_t>(height));
  put16(s, 1);
  put16(s, 24);
  put32(s, 0);
  put32(s, data_size);
  put32(s, 2835);
  put32(s, 2835);
  put32(s, 0);
  put32(s, 0);
  for (int y = height - 1; y >= 0; --y) {  // bottom-up rows
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      s += static_cast<char>(c & 255);
      s += static_cast<char>((c >> 8) & 255);
      s += static_cast<char>((c >> 16) & 255);
    }
    s.append(static_cast<std::size_t>(row_bytes - width * 3), '\0');
  }
  return s;
}

}  // namespace test_support
