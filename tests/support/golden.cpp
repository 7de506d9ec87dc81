#include "support/golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/png_file.h"

namespace test_support {
namespace {

constexpr std::uint32_t difference_colour = 0xFF00FF;

std::string golden_path(const std::string& name, const char* suffix) {
  return std::string(ROZEVA_GOLDEN_DIR) + "/" + name + suffix;
}

PngImage image_of(const platform::Surface& frame, ScreenArea area) {
  PngImage image{area.width, area.height, {}, {}, false};
  for (int y = area.y; y < area.y + area.height; ++y)
    for (int x = area.x; x < area.x + area.width; ++x) {
      const platform::Rgb c = platform::read_pixel(frame, x, y);
      image.pixels.push_back(static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b));
    }
  return image;
}

// The expected picture at a quarter of its brightness, the differing pixels in magenta.
PngImage difference_picture(const PngImage& expected, const PngImage& actual) {
  PngImage diff = expected;
  for (std::size_t i = 0; i < diff.pixels.size(); ++i)
    diff.pixels[i] = expected.pixels[i] == actual.pixels[i] ? (expected.pixels[i] >> 2) & 0x3F3F3F : difference_colour;
  return diff;
}

}  // namespace

void expect_golden(const platform::Surface& frame, const std::string& name, ScreenArea area) {
  const PngImage actual = image_of(frame, area);
  const std::string expected_path = golden_path(name, ".png");
  const char* refresh = std::getenv("ROZEVA_REFRESH_GOLDEN");
  if (refresh && std::string(refresh) == "1") {
    EXPECT_TRUE(write_png(expected_path, actual)) << "cannot write " << expected_path;
    return;
  }
  std::filesystem::remove(golden_path(name, ".actual.png"));
  std::filesystem::remove(golden_path(name, ".diff.png"));
  const auto expected = read_png(expected_path);
  if (!expected) {
    ADD_FAILURE() << "no golden picture " << expected_path << " (ROZEVA_REFRESH_GOLDEN=1 writes it)";
    return;
  }
  if (expected->width == actual.width && expected->height == actual.height && expected->pixels == actual.pixels)
    return;
  write_png(golden_path(name, ".actual.png"), actual);
  if (expected->width == actual.width && expected->height == actual.height) {
    std::size_t differing = 0;
    for (std::size_t i = 0; i < actual.pixels.size(); ++i) differing += expected->pixels[i] != actual.pixels[i];
    write_png(golden_path(name, ".diff.png"), difference_picture(*expected, actual));
    ADD_FAILURE() << name << ": " << differing << " pixels differ from " << expected_path << "; see "
                  << golden_path(name, ".actual.png") << " and " << golden_path(name, ".diff.png");
  } else {
    ADD_FAILURE() << name << ": " << actual.width << " x " << actual.height << " where " << expected_path << " is "
                  << expected->width << " x " << expected->height;
  }
}

}  // namespace test_support
