#pragma once
// Writes small 24-bit BMP files for tests of the program's picture code.
#include <cstdint>
#include <functional>
#include <string>

namespace test_support {

// colour(x, y) gives 0x00RRGGBB for each pixel.
std::string make_bmp24(int width, int height, const std::function<std::uint32_t(int, int)>& colour);

inline std::string make_solid_bmp24(int width, int height, std::uint32_t rgb) {
  return make_bmp24(width, height, [rgb](int, int) { return rgb; });
}

}  // namespace test_support
