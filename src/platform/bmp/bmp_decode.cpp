#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_placement.h"
#include "platform/bmp/bmp_source.h"

namespace platform {
namespace {

std::optional<Bitmap> decode_from(BmpSource& source) {
  const auto layout = read_bmp_layout(source);
  if (!layout) return std::nullopt;
  auto bitmap = decode_whole_picture(*layout, source);
  if (source.failed()) return std::nullopt;
  return bitmap;
}

bool place_from(BmpSource& source, Surface& surface) {
  const auto layout = read_bmp_layout(source);
  if (!layout) return false;
  place_page_picture(*layout, source, surface);
  return !source.failed();
}

}  // namespace

std::optional<Bitmap> decode_bmp(const std::uint8_t* data, std::size_t size) {
  MemoryBmpSource source(data, size);
  return decode_from(source);
}

std::optional<Bitmap> load_bmp_file(const std::string& name) {
  const auto file = RandomAccessFile::open(name);
  if (!file) return std::nullopt;
  FileBmpSource source(*file);
  return decode_from(source);
}

bool place_bmp_onto_surface(const std::uint8_t* data, std::size_t size, Surface& surface) {
  MemoryBmpSource source(data, size);
  return place_from(source, surface);
}

bool load_bmp_file_onto_surface(const std::string& name, Surface& surface) {
  const auto file = RandomAccessFile::open(name);
  if (!file) return false;
  FileBmpSource source(*file);
  return place_from(source, surface);
}

}  // namespace platform
