#include <algorithm>

#include "graphics/rect_copy.h"
#include "graphics/text_output.h"
#include "graphics_fixture.h"

using platform::read_pixel;
using platform::Rgb;


TEST_F(GraphicsTest, AFlipLeavesThePreviousFrameInTheBackBuffer) {
  fill(screen.back_buffer, {10, 0, 0});
  flip_primary();
  fill(screen.back_buffer, {20, 0, 0});
  flip_primary();
  EXPECT_EQ(read_pixel(*screen.primary_surface, 5, 5), (Rgb{20, 0, 0}));
  EXPECT_EQ(read_pixel(*screen.back_buffer, 5, 5), (Rgb{10, 0, 0}));
  fill(screen.back_buffer, {20, 0, 0});  // the same frame composed twice
  flip_primary();
  EXPECT_EQ(read_pixel(*screen.primary_surface, 5, 5), (Rgb{20, 0, 0}));
  EXPECT_EQ(read_pixel(*screen.back_buffer, 5, 5), (Rgb{20, 0, 0}));
}

TEST_F(GraphicsTest, KeyedCopiesLeaveBlackOutAndMissingSurfacesDrawNothing) {
  fill(screen.back_buffer, {50, 60, 70});
  copy_rect_keyed(screen.interface_atlas, 0, 0, 100, 100, screen.back_buffer, 0, 0);  // all black
  EXPECT_EQ(count_of(screen.back_buffer, {50, 60, 70}, 0, 0, 100, 100), 100 * 100);
  copy_rect(nullptr, 0, 0, 100, 100, screen.back_buffer, 0, 0);
  EXPECT_EQ(count_of(screen.back_buffer, {50, 60, 70}, 0, 0, 100, 100), 100 * 100);
  copy_rect(screen.interface_atlas, 0, 0, 100, 100, screen.back_buffer, 0, 0);
  EXPECT_EQ(count_of(screen.back_buffer, {0, 0, 0}, 0, 0, 100, 100), 100 * 100);
  copy_rect(screen.interface_atlas, 0, 0, 100, 100, screen.back_buffer, 1000, 0);  // not inside
  EXPECT_EQ(read_pixel(*screen.back_buffer, 1010, 10), (Rgb{50, 60, 70}));
}

TEST_F(GraphicsTest, TextFollowsTheContextsFontColourAndBackground) {
  DeviceContext dc;
  ASSERT_TRUE(get_dc(screen.back_buffer, dc));
  set_bk_mode_transparent(dc);
  select_font(dc, screen.font_large);
  set_text_color(dc, 255, 255, 0);
  text_out(dc, 10, 10, "KLICK");
  release_dc(dc);
  EXPECT_GT(count_of(screen.back_buffer, {255, 255, 0}, 10, 10, 5 * 17, 32), 50);
  EXPECT_EQ(count_of(screen.back_buffer, {255, 255, 255}, 10, 10, 5 * 17, 32), 0);

  ASSERT_TRUE(get_dc(screen.back_buffer, dc));  // a fresh context: system font, opaque white
  text_out(dc, 200, 200, "123  *");
  release_dc(dc);
  EXPECT_GT(count_of(screen.back_buffer, {255, 255, 255}, 200, 200, 6 * 8, 15), 6 * 8 * 15 / 2);
  EXPECT_GT(count_of(screen.back_buffer, {0, 0, 0}, 200, 200, 6 * 8, 15), 10);
}

TEST_F(GraphicsTest, WithoutADeviceContextNoTextIsDrawn) {
  platform::headless::refuse(platform::headless::Refusal::text_context);
  DeviceContext dc;
  EXPECT_FALSE(get_dc(screen.back_buffer, dc));
  text_out(dc, 10, 10, "NOCH KEIN BILD !");
  EXPECT_EQ(count_of(screen.back_buffer, {0, 0, 0}, 0, 0, 200, 40), 200 * 40);
}
