#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "display_fixture.h"

namespace {

using display_test::HeldDisplay;
using platform::PixelFormat;
using platform::Surface;

using OffscreenSurfaces = HeldDisplay;

TEST_F(OffscreenSurfaces, TakeTheDisplaysFormatAndStartBlackWithoutKey) {
  offscreen = platform::create_offscreen_surface(platform::screen_width, platform::screen_height);
  ASSERT_NE(offscreen, nullptr);
  EXPECT_EQ(offscreen->format, PixelFormat::xrgb8888) << "before any mode switch";
  EXPECT_FALSE(offscreen->color_key_black);
  EXPECT_EQ(platform::read_pixel(*offscreen, 1023, 767), (platform::Rgb{0, 0, 0}));
  platform::release_surface(offscreen);

  ASSERT_TRUE(platform::set_display_mode(platform::screen_width, platform::screen_height,
                                         platform::mode_bits_16));
  offscreen = platform::create_offscreen_surface(300, 200);
  ASSERT_NE(offscreen, nullptr);
  EXPECT_EQ(offscreen->format, PixelFormat::rgb565);
  EXPECT_EQ(offscreen->width, 300);
  EXPECT_EQ(offscreen->height, 200);
  platform::release_surface(offscreen);

  platform::restore_display_mode();
  offscreen = platform::create_offscreen_surface(4, 4);
  ASSERT_NE(offscreen, nullptr);
  EXPECT_EQ(offscreen->format, PixelFormat::xrgb8888) << "after the mode is given back";
}

TEST_F(OffscreenSurfaces, ColourKeyIsSetThroughTheSeam) {
  offscreen = platform::create_offscreen_surface(8, 8);
  ASSERT_NE(offscreen, nullptr);
  EXPECT_TRUE(platform::set_color_key_black(offscreen));
  EXPECT_TRUE(offscreen->color_key_black);
  Surface* empty = nullptr;
  EXPECT_FALSE(platform::set_color_key_black(empty));
}

TEST_F(OffscreenSurfaces, ImpossibleSizesAreRefused) {
  for (const auto& [w, h] : {std::pair{0, 10}, {10, 0}, {-1, 10}, {10, -5},
                             {platform::max_surface_side + 1, 1}, {1, platform::max_surface_side + 1},
                             {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}})
    EXPECT_EQ(platform::create_offscreen_surface(w, h), nullptr) << w << " x " << h;
}

TEST_F(OffscreenSurfaces, NothingIsCreatedWithoutADisplayObject) {
  platform::release_display_object(display);
  EXPECT_EQ(display, nullptr);
  EXPECT_EQ(platform::create_offscreen_surface(8, 8), nullptr);
}

TEST_F(OffscreenSurfaces, ReleaseClearsTheSlotAndAnEmptySlotIsFine) {
  offscreen = platform::create_offscreen_surface(8, 8);
  ASSERT_NE(offscreen, nullptr);
  platform::release_surface(offscreen);
  EXPECT_EQ(offscreen, nullptr);
  platform::release_surface(offscreen);
  EXPECT_EQ(offscreen, nullptr);
}

}  // namespace
