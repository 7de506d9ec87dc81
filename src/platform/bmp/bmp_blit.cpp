#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/bmp/bmp.h"
#include "platform/bmp/placement_clip.h"

namespace platform {
namespace {

// Writes `count` 0x00RRGGBB pixels to `dst` in the surface's format.
void store_row(PixelFormat format, std::uint8_t* dst, const std::uint32_t* src, int count) {
  if (format == PixelFormat::xrgb8888) {
    std::memcpy(dst, src, static_cast<std::size_t>(count) * 4);
    return;
  }
  for (int i = 0; i < count; ++i) {
    const std::uint32_t rgb = src[i];
    const auto v = static_cast<std::uint16_t>(
        pack_pixel(format, static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb)));
    std::memcpy(dst + 2 * i, &v, 2);
  }
}

// Source index whose pixel covers the centre of destination pixel `d` of `dst_size`.
int nearest_source(int d, int dst_size, int src_size) {
  return static_cast<int>((2 * static_cast<std::int64_t>(d) + 1) * src_size / (2 * static_cast<std::int64_t>(dst_size)));
}

}  // namespace

void copy_bitmap_1to1(Surface& surface, const Bitmap& bitmap, int x, int y) {
  const PlacedPart part = place_1to1(surface, bitmap.width, bitmap.height, x, y);
  for (int row = 0; row < part.rows; ++row) {
    const std::uint32_t* src = bitmap.pixels.data() +
                               static_cast<std::size_t>(part.first_row + row) * bitmap.width + part.first_column;
    std::uint8_t* dst =
        surface.row(part.top + row) + static_cast<std::size_t>(part.left) * surface.bytes_per_pixel();
    store_row(surface.format, dst, src, part.columns);
  }
}

void stretch_bitmap_to_surface(Surface& surface, const Bitmap& bitmap) {
  if (surface.width <= 0 || surface.height <= 0 || bitmap.width <= 0 || bitmap.height <= 0) return;
  std::vector<int> source_column(static_cast<std::size_t>(surface.width));
  for (int dx = 0; dx < surface.width; ++dx) source_column[dx] = nearest_source(dx, surface.width, bitmap.width);
  std::vector<std::uint32_t> line(static_cast<std::size_t>(surface.width));
  for (int dy = 0; dy < surface.height; ++dy) {
    const std::uint32_t* src =
        bitmap.pixels.data() + static_cast<std::size_t>(nearest_source(dy, surface.height, bitmap.height)) * bitmap.width;
    for (int dx = 0; dx < surface.width; ++dx) line[dx] = src[source_column[dx]];
    store_row(surface.format, surface.row(dy), line.data(), surface.width);
  }
}

}  // namespace platform
