#pragma once
// Reads and writes PNG files for the tests: the BMP Suite's references, the headless runner's
// shots and the golden screens.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace test_support {

// 8-bit RGB as 0x00RRGGBB plus alpha apart, rows top-down; 16-bit channels are rounded.
struct PngImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::uint8_t> alpha;
  // The file itself holds 8-bit RGB: no palette, grey, alpha or 16-bit channels.
  bool stored_as_rgb8 = false;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Nullopt when the file is missing or not a PNG.
std::optional<PngImage> read_png(const std::string& path);

// Opaque, indexed when the picture has at most 256 colours, else 8-bit RGB. False when the
// file cannot be written.
bool write_png(const std::string& path, const PngImage& image);

}  // namespace test_support
