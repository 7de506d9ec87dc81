#include "platform/display/png_writer.h"

#include <png.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/display/surface_bounds.h"

namespace platform {

namespace {

constexpr int rgb_channels = 3;

std::vector<std::uint8_t> rgb_rows(const Surface& surface) {
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(surface.width) * surface.height *
                                rgb_channels);
  std::size_t at = 0;
  for (int y = 0; y < surface.height; ++y) {
    if (surface.format == PixelFormat::xrgb8888) {
      // The common screen format, unpacked a row at a time: the per-pixel read costs more
      // than the compression.
      const std::uint8_t* row = surface.row(y);
      for (int x = 0; x < surface.width; ++x, row += 4) {
        std::uint32_t v;
        std::memcpy(&v, row, 4);
        rgb[at++] = static_cast<std::uint8_t>(v >> 16);
        rgb[at++] = static_cast<std::uint8_t>(v >> 8);
        rgb[at++] = static_cast<std::uint8_t>(v);
      }
      continue;
    }
    for (int x = 0; x < surface.width; ++x) {
      const Rgb c = read_pixel(surface, x, y);
      rgb[at++] = static_cast<std::uint8_t>(c.r);
      rgb[at++] = static_cast<std::uint8_t>(c.g);
      rgb[at++] = static_cast<std::uint8_t>(c.b);
    }
  }
  return rgb;
}

}  // namespace

bool write_png(const Surface& surface, const std::string& path) {
  if (!store_covers_surface(surface)) return false;
  const std::vector<std::uint8_t> rgb = rgb_rows(surface);

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(surface.width);
  image.height = static_cast<png_uint_32>(surface.height);
  image.format = PNG_FORMAT_RGB;
  // Screens are written to be looked at and compared, not kept: a quarter of the time for
  // files a fifth larger.
  image.flags = PNG_IMAGE_FLAG_FAST;
  // libpng removes the file itself when writing fails part way.
  const int written = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(),
                                              surface.width * rgb_channels, nullptr);
  png_image_free(&image);
  return written != 0;
}

}  // namespace platform
