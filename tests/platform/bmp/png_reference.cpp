#include "png_reference.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace bmp_test {
namespace {

// Kept apart from its caller so that nothing local lives across libpng's longjmp.
bool read_png_rows(png_structp png, png_infop info, std::FILE* file, RgbImage& image) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_init_io(png, file);
  png_read_info(png, info);
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

}  // namespace

std::optional<RgbImage> read_png(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  RgbImage image;
  const bool ok = info && read_png_rows(png, info, file, image);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  if (!ok) return std::nullopt;
  return image;
}

std::map<std::string, std::vector<std::string>> read_reference_map(const std::string& html_path) {
  std::ifstream in(html_path);
  std::stringstream text;
  text << in.rdbuf();
  const std::string page = text.str();
  // Each picture's references come as <img> tags just before the tag of the BMP itself.
  static const std::regex img_src("<img[^>]*src=\"([^\"]+)\"");
  std::map<std::string, std::vector<std::string>> map;
  std::vector<std::string> pending;
  for (std::sregex_iterator it(page.begin(), page.end(), img_src), end; it != end; ++it) {
    const std::string src = (*it)[1];
    if (src.rfind("../", 0) == 0) {
      map[src.substr(3)] = pending;
      pending.clear();
    } else if (src.size() > 4 && src.substr(src.size() - 4) == ".png") {
      pending.push_back(src);
    }
  }
  return map;
}

}  // namespace bmp_test
