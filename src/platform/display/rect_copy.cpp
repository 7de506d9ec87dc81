#include "platform/display/rect_copy.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/display/keyed_rows_avx2.h"
#include "platform/display/surface_bounds.h"

namespace platform {

namespace {

// The top byte of an xrgb8888 pixel is not colour, so it never makes a pixel non-black.
constexpr std::uint32_t colour_bits_32 = 0x00FFFFFFu;
constexpr std::uint16_t colour_bits_16 = 0xFFFFu;

bool inside(const Surface& s, int x, int y, int w, int h) {
  return x >= 0 && y >= 0 && std::int64_t{x} + w <= s.width && std::int64_t{y} + h <= s.height;
}

bool accepted(const Surface* source, int sx, int sy, int w, int h, const Surface* destination,
              int dx, int dy) {
  if (source == nullptr || destination == nullptr) return false;
  if (source->lost || destination->lost) return false;
  if (w <= 0 || h <= 0 || source->format != destination->format) return false;
  if (!store_covers_surface(*source) || !store_covers_surface(*destination)) return false;
  return inside(*source, sx, sy, w, h) && inside(*destination, dx, dy, w, h);
}

// Both rectangles lie inside their surfaces here, so these sums cannot overflow.
bool overlapping(int sx, int sy, int dx, int dy, int w, int h) {
  return sx < dx + w && dx < sx + w && sy < dy + h && dy < sy + h;
}

const std::uint8_t* pixel_at(const Surface& s, int x, int y) {
  return s.row(y) + static_cast<std::size_t>(x) * s.bytes_per_pixel();
}

std::uint8_t* pixel_at(Surface& s, int x, int y) {
  return s.row(y) + static_cast<std::size_t>(x) * s.bytes_per_pixel();
}

// Written as a plain select so the compiler turns it into vector blends; AVX2 where the
// processor has it, this loop for the rest of the row.
template <typename Pixel, Pixel colour_bits>
void keyed_row(const std::uint8_t* __restrict source, std::uint8_t* __restrict destination,
               int count) {
  int i = 0;
  if (keyed_vector::vector_rows_available()) {
    i = sizeof(Pixel) == 4 ? keyed_vector::copy_keyed_xrgb8888(source, destination, count)
                           : keyed_vector::copy_keyed_rgb565(source, destination, count);
  }
  for (; i < count; ++i) {
    Pixel in;
    Pixel out;
    std::memcpy(&in, source + i * sizeof(Pixel), sizeof(Pixel));
    std::memcpy(&out, destination + i * sizeof(Pixel), sizeof(Pixel));
    out = (in & colour_bits) != 0 ? in : out;
    std::memcpy(destination + i * sizeof(Pixel), &out, sizeof(Pixel));
  }
}

// Rows of a source and a destination that do not share any byte.
void keyed_rows(PixelFormat format, const std::uint8_t* source, std::ptrdiff_t source_pitch,
                std::uint8_t* destination, std::ptrdiff_t destination_pitch, int w, int h) {
  for (int y = 0; y < h; ++y) {
    if (format == PixelFormat::xrgb8888)
      keyed_row<std::uint32_t, colour_bits_32>(source, destination, w);
    else
      keyed_row<std::uint16_t, colour_bits_16>(source, destination, w);
    source += source_pitch;
    destination += destination_pitch;
  }
}

}  // namespace

bool copy_rect(const Surface* source, int sx, int sy, int w, int h, Surface* destination, int dx,
               int dy) {
  if (!accepted(source, sx, sy, w, h, destination, dx, dy)) return false;
  const std::size_t row_bytes = static_cast<std::size_t>(w) * source->bytes_per_pixel();
  const std::uint8_t* from = pixel_at(*source, sx, sy);
  std::uint8_t* to = pixel_at(*destination, dx, dy);
  const std::ptrdiff_t from_pitch = source->pitch;
  const std::ptrdiff_t to_pitch = destination->pitch;

  if (source != destination) {
    if (row_bytes == static_cast<std::size_t>(from_pitch) &&
        row_bytes == static_cast<std::size_t>(to_pitch)) {
      std::memcpy(to, from, row_bytes * static_cast<std::size_t>(h));
      return true;
    }
    for (int y = 0; y < h; ++y) std::memcpy(to + y * to_pitch, from + y * from_pitch, row_bytes);
    return true;
  }
  // Same surface: moving down, copy the bottom row first; memmove handles a row's own overlap.
  if (dy > sy) {
    for (int y = h - 1; y >= 0; --y) std::memmove(to + y * to_pitch, from + y * from_pitch, row_bytes);
  } else {
    for (int y = 0; y < h; ++y) std::memmove(to + y * to_pitch, from + y * from_pitch, row_bytes);
  }
  return true;
}

bool copy_rect_keyed(const Surface* source, int sx, int sy, int w, int h, Surface* destination,
                     int dx, int dy) {
  if (!accepted(source, sx, sy, w, h, destination, dx, dy)) return false;
  if (!source->color_key_black) return false;
  const std::size_t row_bytes = static_cast<std::size_t>(w) * source->bytes_per_pixel();
  std::uint8_t* to = pixel_at(*destination, dx, dy);

  if (source == destination && overlapping(sx, sy, dx, dy, w, h)) {
    // Rare enough that taking the source aside first is the simple way to keep it intact.
    std::vector<std::uint8_t> taken(row_bytes * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
      std::memcpy(taken.data() + y * row_bytes, pixel_at(*source, sx, sy + y), row_bytes);
    keyed_rows(source->format, taken.data(), static_cast<std::ptrdiff_t>(row_bytes), to,
               destination->pitch, w, h);
    return true;
  }
  keyed_rows(source->format, pixel_at(*source, sx, sy), source->pitch, to, destination->pitch, w, h);
  return true;
}

}  // namespace platform
