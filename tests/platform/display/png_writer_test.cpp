#include "platform/display/png_writer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/png_file.h"
#include "support/temp_dir.h"
#include "surface_painting.h"

namespace {

using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

// The written file, which must already be 8-bit RGB, not something libpng converts.
test_support::PngImage read_back(const std::string& path) {
  auto image = test_support::read_png(path);
  EXPECT_TRUE(image && image->stored_as_rgb8);
  return image.value_or(test_support::PngImage{});
}

Rgb at(const test_support::PngImage& image, int x, int y) {
  const std::uint32_t v = image.at(x, y);
  return {static_cast<int>(v >> 16), static_cast<int>(v >> 8 & 255), static_cast<int>(v & 255)};
}

TEST(PngWriter, ScreenIsWrittenAsRgbAndReadsBackPixelForPixel) {
  test_support::TempDir dir;
  const Surface screen =
      display_test::patterned(platform::screen_width, platform::screen_height, PixelFormat::xrgb8888);
  const std::string path = dir.file("screen.png");
  ASSERT_TRUE(platform::write_png(screen, path));

  const auto back = read_back(path);
  ASSERT_EQ(back.width, platform::screen_width);
  ASSERT_EQ(back.height, platform::screen_height);
  for (const auto& [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}, {517, 301}})
    EXPECT_EQ(at(back, x, y), display_test::pattern_colour(x, y)) << x << "," << y;
}

TEST(PngWriter, SixteenBitPixelsWidenByBitReplication) {
  test_support::TempDir dir;
  Surface s = platform::make_surface(3, 2, PixelFormat::rgb565);
  platform::write_pixel(s, 0, 0, {255, 255, 255});
  platform::write_pixel(s, 1, 0, {0x84, 0x82, 0x08});
  platform::write_pixel(s, 2, 1, {0xF8, 0x00, 0x00});
  const std::string path = dir.file("small.png");
  ASSERT_TRUE(platform::write_png(s, path));

  const auto back = read_back(path);
  ASSERT_EQ(back.width, 3);
  EXPECT_EQ(at(back, 0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(at(back, 1, 0), (Rgb{0x84, 0x82, 0x08}));
  EXPECT_EQ(at(back, 2, 1), (Rgb{0xFF, 0, 0}));
  EXPECT_EQ(at(back, 0, 1), (Rgb{0, 0, 0}));
}

TEST(PngWriter, FailureIsReportedAndLeavesNoFile) {
  test_support::TempDir dir;
  const Surface s = display_test::patterned(8, 8, PixelFormat::xrgb8888);
  EXPECT_FALSE(platform::write_png(s, dir.file("no-such-folder/screen.png")));
  EXPECT_FALSE(platform::write_png(s, dir.path().string()));

  Surface truncated = s;
  truncated.pixels.resize(10);
  EXPECT_FALSE(platform::write_png(truncated, dir.file("truncated.png")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("truncated.png")));
  EXPECT_FALSE(platform::write_png(Surface{}, dir.file("empty.png")));
}

}  // namespace
