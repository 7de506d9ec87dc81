#include "platform/display/surface.h"

#include <cstring>

namespace platform {

Surface make_surface(int width, int height, PixelFormat format) {
  Surface s;
  s.width = width;
  s.height = height;
  s.format = format;
  s.pitch = width * s.bytes_per_pixel();
  s.pixels.assign(static_cast<std::size_t>(s.pitch) * height, 0);
  return s;
}

Rgb read_pixel(const Surface& surface, int x, int y) {
  if (x < 0 || y < 0 || x >= surface.width || y >= surface.height) return {};
  const std::uint8_t* p = surface.row(y) + x * surface.bytes_per_pixel();
  if (surface.format == PixelFormat::xrgb8888) {
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return {static_cast<int>((v >> 16) & 255), static_cast<int>((v >> 8) & 255), static_cast<int>(v & 255)};
  }
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  const int r5 = (v >> 11) & 31, g6 = (v >> 5) & 63, b5 = v & 31;
  return {(r5 << 3) | (r5 >> 2), (g6 << 2) | (g6 >> 4), (b5 << 3) | (b5 >> 2)};
}

void write_pixel(Surface& surface, int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= surface.width || y >= surface.height) return;
  std::uint8_t* p = surface.row(y) + x * surface.bytes_per_pixel();
  const std::uint32_t v = pack_pixel(surface.format, colour.r, colour.g, colour.b);
  if (surface.format == PixelFormat::xrgb8888) {
    std::memcpy(p, &v, 4);
  } else {
    const std::uint16_t v16 = static_cast<std::uint16_t>(v);
    std::memcpy(p, &v16, 2);
  }
}

}  // namespace platform
