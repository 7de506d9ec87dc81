#pragma once
// Reference renderings of the BMP Suite: its PNGs and the page that maps BMPs to them.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace bmp_test {

// 8-bit RGB as 0x00RRGGBB plus alpha apart, rows top-down; 16-bit channels are rounded.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint8_t> alpha;
};

// Nullopt when the file is missing or not a PNG.
std::optional<RgbImage> read_png(const std::string& path);

// "g/pal1.bmp" -> reference image files named beside it in the suite's page (PNG only).
std::map<std::string, std::vector<std::string>> read_reference_map(const std::string& html_path);

}  // namespace bmp_test
