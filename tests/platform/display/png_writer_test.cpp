#include "platform/display/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/temp_dir.h"
#include "surface_painting.h"

namespace {

using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

struct ReadBack {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;

  Rgb at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
  }
};

ReadBack read_png(const std::string& path) {
  ReadBack out;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return out;
  // The written file must already be 8-bit RGB, not something libpng converted.
  const bool rgb8 = image.format == PNG_FORMAT_RGB;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  out.ok = png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr) != 0 && rgb8;
  png_image_free(&image);
  return out;
}

TEST(PngWriter, ScreenIsWrittenAsRgbAndReadsBackPixelForPixel) {
  test_support::TempDir dir;
  const Surface screen =
      display_test::patterned(platform::screen_width, platform::screen_height, PixelFormat::xrgb8888);
  const std::string path = dir.file("screen.png");
  ASSERT_TRUE(platform::write_png(screen, path));

  const ReadBack back = read_png(path);
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.width, platform::screen_width);
  EXPECT_EQ(back.height, platform::screen_height);
  for (const auto& [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}, {517, 301}})
    EXPECT_EQ(back.at(x, y), display_test::pattern_colour(x, y)) << x << "," << y;
}

TEST(PngWriter, SixteenBitPixelsWidenByBitReplication) {
  test_support::TempDir dir;
  Surface s = platform::make_surface(3, 2, PixelFormat::rgb565);
  platform::write_pixel(s, 0, 0, {255, 255, 255});
  platform::write_pixel(s, 1, 0, {0x84, 0x82, 0x08});
  platform::write_pixel(s, 2, 1, {0xF8, 0x00, 0x00});
  const std::string path = dir.file("small.png");
  ASSERT_TRUE(platform::write_png(s, path));

  const ReadBack back = read_png(path);
  ASSERT_TRUE(back.ok);
  EXPECT_EQ(back.at(0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(back.at(1, 0), (Rgb{0x84, 0x82, 0x08}));
  EXPECT_EQ(back.at(2, 1), (Rgb{0xFF, 0, 0}));
  EXPECT_EQ(back.at(0, 1), (Rgb{0, 0, 0}));
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
