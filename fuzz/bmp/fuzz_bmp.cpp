// Any bytes as a BMP file: place it as a page picture, then decode it and copy and stretch
// the picture onto small surfaces of both formats.
#include <cstddef>
#include <cstdint>

#include "platform/bmp/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto page = platform::make_surface(41, 29, platform::PixelFormat::rgb565);
  platform::place_bmp_onto_surface(data, size, page);
  const auto bitmap = platform::decode_bmp(data, size);
  if (!bitmap) return 0;
  if (bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height) __builtin_trap();
  auto xrgb = platform::make_surface(37, 23, platform::PixelFormat::xrgb8888);
  auto rgb565 = platform::make_surface(23, 37, platform::PixelFormat::rgb565);
  // Positions taken from the input reach every edge of the surfaces.
  const int x = static_cast<int>(data[size - 1]) - 128;
  const int y = static_cast<int>(data[size / 2]) - 128;
  platform::copy_bitmap_1to1(xrgb, *bitmap, x, y);
  platform::copy_bitmap_1to1(rgb565, *bitmap, -x, -y);
  platform::stretch_bitmap_to_surface(xrgb, *bitmap);
  platform::stretch_bitmap_to_surface(rgb565, *bitmap);
  return 0;
}
