#pragma once
// Where decoded pixels go and which picture pixel each shows: one description for a copy cut
// at a surface's edges, a stretch over a whole surface and a whole decoded picture, so that
// the decoders read only the rows and columns a placement shows.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/display/surface.h"

namespace platform {

// Target pixel (x, y) lies at base + y * pitch + x * its size in `format` and shows picture
// pixel (columns[x], rows[y]), rows counted from the top. Neither list is empty or ever
// decreases, and both lie inside the picture.
struct PixelTarget {
  std::uint8_t* base = nullptr;
  std::size_t pitch = 0;
  PixelFormat format = PixelFormat::xrgb8888;
  std::span<const int> columns;
  std::span<const int> rows;
};

// Picture pixels first .. first + count - 1, one each.
std::vector<int> consecutive_samples(int first, int count);

// `count` target pixels spread over `size` picture pixels, each showing the picture pixel
// that covers its centre.
std::vector<int> nearest_samples(int count, int size);

// Writes `count` 0x00RRGGBB values to `destination` in `format`.
void store_pixels(PixelFormat format, std::uint8_t* destination, const std::uint32_t* rgb, std::size_t count);

}  // namespace platform
