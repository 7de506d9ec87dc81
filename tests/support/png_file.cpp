#include "support/png_file.h"

#include <png.h>

#include <cstdio>
#include <map>

namespace test_support {
namespace {

constexpr std::size_t palette_room = 256;

// Kept apart from its caller so that nothing local lives across libpng's longjmp.
bool read_png_rows(png_structp png, png_infop info, std::FILE* file, PngImage& image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_read_info(png, info);
  image.stored_as_rgb8 = png_get_color_type(png, info) == PNG_COLOR_TYPE_RGB && png_get_bit_depth(png, info) == 8;
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_read_update_info(png, info);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  const std::size_t row_bytes = static_cast<std::size_t>(image.width) * 4;
  if (png_get_rowbytes(png, info) != row_bytes) return false;
  std::vector<png_byte> bytes(row_bytes * image.height);
  std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
  for (int y = 0; y < image.height; ++y) rows[y] = bytes.data() + y * row_bytes;
  png_read_image(png, rows.data());
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  image.pixels.resize(count);
  image.alpha.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const png_byte* p = bytes.data() + 4 * i;
    image.pixels[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    image.alpha[i] = p[3];
  }
  return true;
}

// The picture's colours in order of first appearance, or nothing when there are too many.
std::optional<std::map<std::uint32_t, png_byte>> palette_of(const PngImage& image) {
  std::map<std::uint32_t, png_byte> index;
  for (const std::uint32_t pixel : image.pixels) {
    if (index.count(pixel)) continue;
    if (index.size() == palette_room) return std::nullopt;
    index.emplace(pixel, static_cast<png_byte>(index.size()));
  }
  return index;
}

bool write_png_rows(png_structp png, png_infop info, std::FILE* file, const PngImage& image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  const auto palette = palette_of(image);
  const int type = palette ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8, type,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> colours;
  if (palette) {
    colours.resize(palette->size());
    for (const auto& [pixel, i] : *palette)
      colours[i] = {static_cast<png_byte>(pixel >> 16), static_cast<png_byte>(pixel >> 8), static_cast<png_byte>(pixel)};
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
  }
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
  for (int y = 0; y < image.height; ++y) {
    std::size_t n = 0;
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t pixel = image.at(x, y);
      if (palette) {
        row[n++] = palette->at(pixel);
      } else {
        row[n++] = static_cast<png_byte>(pixel >> 16);
        row[n++] = static_cast<png_byte>(pixel >> 8);
        row[n++] = static_cast<png_byte>(pixel);
      }
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

std::optional<PngImage> read_png(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  PngImage image;
  const bool ok = info && read_png_rows(png, info, file, image);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  if (!ok) return std::nullopt;
  return image;
}

bool write_png(const std::string& path, const PngImage& image) {
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) return false;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  const bool ok = info && write_png_rows(png, info, file, image);
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && ok;
}

}  // namespace test_support
