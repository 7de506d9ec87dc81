#include "proof/thumbnail.h"

#include <cstring>

namespace proof {

namespace {

// The pixel at (x, y) as 0x00RRGGBB; the screen is 32-bit unless the display refused it.
std::uint32_t pixel_at(const platform::Surface& screen, int x, int y) {
  if (screen.format == platform::PixelFormat::xrgb8888) {
    std::uint32_t v;
    std::memcpy(&v, screen.row(y) + static_cast<std::size_t>(x) * 4, 4);
    return v;
  }
  const platform::Rgb c = platform::read_pixel(screen, x, y);
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | static_cast<std::uint32_t>(c.b);
}

}  // namespace

platform::Surface make_thumbnail(const platform::Surface& screen) {
  constexpr int n = thumbnail_scale;
  constexpr int area = n * n;
  platform::Surface small =
      platform::make_surface(screen.width / n, screen.height / n, platform::PixelFormat::xrgb8888);
  for (int y = 0; y < small.height; ++y)
    for (int x = 0; x < small.width; ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = 0; dy < n; ++dy)
        for (int dx = 0; dx < n; ++dx) {
          const std::uint32_t v = pixel_at(screen, x * n + dx, y * n + dy);
          r += static_cast<int>((v >> 16) & 255);
          g += static_cast<int>((v >> 8) & 255);
          b += static_cast<int>(v & 255);
        }
      platform::write_pixel(small, x, y, {(r + area / 2) / area, (g + area / 2) / area, (b + area / 2) / area});
    }
  return small;
}

}  // namespace proof
