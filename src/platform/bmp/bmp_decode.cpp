#include <algorithm>

#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_layout.h"
#include "platform/bmp/bmp_rle.h"
#include "platform/bmp/bmp_rows.h"

namespace platform {
namespace {

bool run_length(const BmpLayout& layout) {
  return layout.encoding == BmpEncoding::rle8 || layout.encoding == BmpEncoding::rle4;
}

Bitmap decode_layout(const BmpLayout& layout, const std::uint8_t* data, std::size_t size) {
  Bitmap bitmap;
  bitmap.width = layout.width;
  bitmap.height = layout.height;
  const std::size_t count = static_cast<std::size_t>(layout.width) * layout.height;
  if (run_length(layout)) {
    // Pixels the runs skip show palette colour 0, as in a zero-filled indexed picture.
    bitmap.pixels.assign(count, layout.palette[0]);
    decode_bmp_rle(layout, data, size, bitmap);
  } else {
    bitmap.pixels.resize(count);
    decode_bmp_rows(layout, data,
                    PixelTarget{reinterpret_cast<std::uint8_t*>(bitmap.pixels.data()),
                                static_cast<std::size_t>(layout.width) * sizeof(std::uint32_t), layout.width,
                                layout.height, PixelFormat::xrgb8888});
  }
  return bitmap;
}

}  // namespace

std::optional<Bitmap> decode_bmp(const std::uint8_t* data, std::size_t size) {
  const auto layout = read_bmp_layout(data, size);
  if (!layout) return std::nullopt;
  return decode_layout(*layout, data, size);
}

std::optional<Bitmap> load_bmp_file(const std::string& name) {
  const auto file = WholeFile::read(name);
  if (!file) return std::nullopt;
  return decode_bmp(file->data(), file->size());
}

bool place_bmp_onto_surface(const std::uint8_t* data, std::size_t size, Surface& surface) {
  const auto layout = read_bmp_layout(data, size);
  if (!layout) return false;
  if (layout->width > screen_width || layout->height > screen_height) {
    stretch_bitmap_to_surface(surface, decode_layout(*layout, data, size));
  } else if (run_length(*layout)) {
    copy_bitmap_1to1(surface, decode_layout(*layout, data, size), 0, 0);
  } else {
    // The common page picture: straight from the file's bytes into the surface.
    decode_bmp_rows(*layout, data,
                    PixelTarget{surface.pixels.data(), static_cast<std::size_t>(surface.pitch),
                                std::min(layout->width, surface.width), std::min(layout->height, surface.height),
                                surface.format});
  }
  return true;
}

bool load_bmp_file_onto_surface(const std::string& name, Surface& surface) {
  const auto file = WholeFile::read(name);
  return file && place_bmp_onto_surface(file->data(), file->size(), surface);
}

}  // namespace platform
