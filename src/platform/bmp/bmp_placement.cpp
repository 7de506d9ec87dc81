#include "platform/bmp/bmp_placement.h"

#include "platform/bmp/bmp_rle.h"
#include "platform/bmp/bmp_rows.h"
#include "platform/bmp/bmp_target.h"
#include "platform/bmp/placement_clip.h"
#include "platform/display/surface_bounds.h"

namespace platform {
namespace {

void decode_into(const BmpLayout& layout, BmpSource& source, const PixelTarget& target) {
  if (layout.encoding == BmpEncoding::rle8 || layout.encoding == BmpEncoding::rle4)
    decode_bmp_rle(layout, source, target);
  else
    decode_bmp_rows(layout, source, target);
}

}  // namespace

void place_picture_1to1(const BmpLayout& layout, BmpSource& source, Surface& surface, int x, int y) {
  if (!store_covers_surface(surface)) return;
  const PlacedPart part = place_1to1(surface, layout.width, layout.height, x, y);
  if (part.empty()) return;
  const auto columns = consecutive_samples(part.first_column, part.columns);
  const auto rows = consecutive_samples(part.first_row, part.rows);
  decode_into(layout, source,
              PixelTarget{surface.row(part.top) + static_cast<std::size_t>(part.left) * surface.bytes_per_pixel(),
                          static_cast<std::size_t>(surface.pitch), surface.format, columns, rows});
}

void stretch_picture(const BmpLayout& layout, BmpSource& source, Surface& surface) {
  if (!store_covers_surface(surface)) return;
  const auto columns = nearest_samples(surface.width, layout.width);
  const auto rows = nearest_samples(surface.height, layout.height);
  decode_into(layout, source,
              PixelTarget{surface.pixels.data(), static_cast<std::size_t>(surface.pitch), surface.format, columns, rows});
}

void place_page_picture(const BmpLayout& layout, BmpSource& source, Surface& surface) {
  if (layout.width > screen_width || layout.height > screen_height)
    stretch_picture(layout, source, surface);
  else
    place_picture_1to1(layout, source, surface, 0, 0);
}

std::optional<Bitmap> decode_whole_picture(const BmpLayout& layout, BmpSource& source) {
  if (static_cast<std::uint64_t>(layout.width) * static_cast<std::uint64_t>(layout.height) > max_bmp_pixels)
    return std::nullopt;
  Bitmap bitmap;
  bitmap.width = layout.width;
  bitmap.height = layout.height;
  bitmap.pixels.resize(static_cast<std::size_t>(layout.width) * layout.height);
  const auto columns = consecutive_samples(0, layout.width);
  const auto rows = consecutive_samples(0, layout.height);
  decode_into(layout, source,
              PixelTarget{reinterpret_cast<std::uint8_t*>(bitmap.pixels.data()),
                          static_cast<std::size_t>(layout.width) * sizeof(std::uint32_t), PixelFormat::xrgb8888,
                          columns, rows});
  return bitmap;
}

}  // namespace platform
