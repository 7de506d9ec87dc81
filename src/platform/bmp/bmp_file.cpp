#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_rows.h"
#include "platform/bmp/placement_clip.h"

namespace platform {

std::optional<BmpFile> BmpFile::open(const std::string& name) {
  auto file = WholeFile::read(name);
  if (!file) return std::nullopt;
  const auto layout = read_bmp_layout(file->data(), file->size());
  if (!layout) return std::nullopt;
  return BmpFile(std::move(*file), *layout);
}

void BmpFile::copy_1to1(Surface& surface, int x, int y) const {
  if (layout_.encoding == BmpEncoding::rle8 || layout_.encoding == BmpEncoding::rle4) {
    // Runs are decoded from the start whatever part is shown.
    if (const auto bitmap = decode_bmp(file_.data(), file_.size())) copy_bitmap_1to1(surface, *bitmap, x, y);
    return;
  }
  const PlacedPart part = place_1to1(surface, layout_.width, layout_.height, x, y);
  if (part.empty()) return;
  decode_bmp_rows(layout_, file_.data(),
                  PixelTarget{surface.row(part.top) + static_cast<std::size_t>(part.left) * surface.bytes_per_pixel(),
                              static_cast<std::size_t>(surface.pitch), part.columns, part.rows, surface.format,
                              part.first_column, part.first_row});
}

}  // namespace platform
