#pragma once
// A software surface: the pixel store every drawing operation of the port works on.
// Rows are top-down; `pitch` is the distance between rows in bytes.
#include <cstdint>
#include <vector>

#include "platform/display/pixel_allocator.h"

namespace platform {

enum class PixelFormat { xrgb8888, rgb565 };

inline constexpr int screen_width = 1024;
inline constexpr int screen_height = 768;

using PixelBytes = std::vector<std::uint8_t, PixelAllocator<std::uint8_t>>;

struct Surface {
  int width = 0;
  int height = 0;
  PixelFormat format = PixelFormat::xrgb8888;
  int pitch = 0;
  // Off-screen surfaces carry the source colour key black: keyed copies leave black out.
  bool color_key_black = false;
  // A lost surface refuses copies until it is restored (its pixels are kept here).
  bool lost = false;
  PixelBytes pixels;

  int bytes_per_pixel() const { return format == PixelFormat::xrgb8888 ? 4 : 2; }
  std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * pitch; }
  const std::uint8_t* row(int y) const {
    return pixels.data() + static_cast<std::size_t>(y) * pitch;
  }
};

// Creates a zero-filled (black) surface of the given size and format.
Surface make_surface(int width, int height, PixelFormat format);

// Packs 8-bit channels into the surface format. RGB565 keeps the top bits of each
// channel (truncation), as a display driver's 16-bit conversion does.
inline std::uint32_t pack_pixel(PixelFormat format, int r, int g, int b) {
  if (format == PixelFormat::xrgb8888)
    return (static_cast<std::uint32_t>(r & 255) << 16) | (static_cast<std::uint32_t>(g & 255) << 8) |
           static_cast<std::uint32_t>(b & 255);
  return (static_cast<std::uint32_t>(r & 0xF8) << 8) | (static_cast<std::uint32_t>(g & 0xFC) << 3) |
         (static_cast<std::uint32_t>(b & 255) >> 3);
}

struct Rgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// Reads one pixel back as 8-bit channels (RGB565 expands by bit replication).
Rgb read_pixel(const Surface& surface, int x, int y);
// Writes one pixel; a position outside the surface is ignored.
void write_pixel(Surface& surface, int x, int y, Rgb colour);

}  // namespace platform
