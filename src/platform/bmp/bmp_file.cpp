#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_placement.h"
#include "platform/bmp/bmp_source.h"

namespace platform {

std::optional<BmpFile> BmpFile::open(const std::string& name) {
  auto file = RandomAccessFile::open(name);
  if (!file) return std::nullopt;
  FileBmpSource source(*file);
  const auto layout = read_bmp_layout(source);
  if (!layout) return std::nullopt;
  return BmpFile(std::move(*file), *layout);
}

bool BmpFile::copy_1to1(Surface& surface, int x, int y) const {
  FileBmpSource source(file_);
  place_picture_1to1(layout_, source, surface, x, y);
  return !source.failed();
}

}  // namespace platform
