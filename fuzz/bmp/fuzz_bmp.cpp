// Any bytes as a BMP file: place it as a page picture, decode it whole, then copy it 1:1 and
// stretch it onto small surfaces of both formats straight from the bytes.
#include <cstddef>
#include <cstdint>

#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_placement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto page = platform::make_surface(41, 29, platform::PixelFormat::rgb565);
  platform::place_bmp_onto_surface(data, size, page);
  const auto bitmap = platform::decode_bmp(data, size);
  if (bitmap && bitmap->pixels.size() != static_cast<std::size_t>(bitmap->width) * bitmap->height) __builtin_trap();
  platform::MemoryBmpSource source(data, size);
  const auto layout = platform::read_bmp_layout(source);
  if (!layout) return 0;
  auto xrgb = platform::make_surface(37, 23, platform::PixelFormat::xrgb8888);
  auto rgb565 = platform::make_surface(23, 37, platform::PixelFormat::rgb565);
  // Positions taken from the input reach every edge of the surfaces.
  const int x = static_cast<int>(data[size - 1]) - 128;
  const int y = static_cast<int>(data[size / 2]) - 128;
  platform::place_picture_1to1(*layout, source, xrgb, x, y);
  platform::place_picture_1to1(*layout, source, rgb565, -x, -y);
  platform::stretch_picture(*layout, source, xrgb);
  platform::stretch_picture(*layout, source, rgb565);
  return 0;
}
