#pragma once
// Pictures placed the plain way: decoded whole, then copied 1:1 or stretched by nearest
// sampling. The decoder reads only what lands on a surface and must give exactly these pixels.
#include <cstdint>
#include <functional>

#include "platform/bmp/bmp.h"

namespace bmp_test {

// 0x00RRGGBB of picture pixel (x, y), y from the top.
using PixelAt = std::function<std::uint32_t(int, int)>;

inline platform::Rgb rgb_of(std::uint32_t v) { return {int(v >> 16) & 255, int(v >> 8) & 255, int(v) & 255}; }

// The picture with its top-left corner at (x, y), cut at the surface's edges.
inline void reference_copy_1to1(platform::Surface& s, const platform::Bitmap& b, int x, int y) {
  for (int sy = 0; sy < s.height; ++sy)
    for (int sx = 0; sx < s.width; ++sx) {
      const std::int64_t bx = std::int64_t{sx} - x, by = std::int64_t{sy} - y;
      if (bx >= 0 && by >= 0 && bx < b.width && by < b.height)
        platform::write_pixel(s, sx, sy, rgb_of(b.at(int(bx), int(by))));
    }
}

// Each surface pixel shows the picture pixel under its centre.
inline void reference_stretch(platform::Surface& s, int width, int height, const PixelAt& pixel) {
  const auto nearest = [](int d, int count, int size) {
    return static_cast<int>((2 * std::int64_t{d} + 1) * size / (2 * std::int64_t{count}));
  };
  for (int sy = 0; sy < s.height; ++sy)
    for (int sx = 0; sx < s.width; ++sx)
      platform::write_pixel(s, sx, sy, rgb_of(pixel(nearest(sx, s.width, width), nearest(sy, s.height, height))));
}

inline void reference_stretch(platform::Surface& s, const platform::Bitmap& b) {
  reference_stretch(s, b.width, b.height, [&b](int x, int y) { return b.at(x, y); });
}

}  // namespace bmp_test
