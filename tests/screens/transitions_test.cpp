#include "screens/transitions.h"

#include "graphics/rect_copy.h"
#include "platform/clock/clock.h"
#include "platform/headless/headless_display.h"
#include "screens_fixture.h"
#include "support/golden.h"

using platform::Rgb;
using platform::screen_height;
using platform::screen_width;

namespace {

bool operator==(const WipeRect& a, const WipeRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

WipeRect column(std::int32_t x, std::int32_t width = 1) { return {x, 0, width, screen_height}; }
WipeRect row(std::int32_t y) { return {0, y, screen_width, 1}; }

WipeStep first_step(std::int32_t effect) { return wipe_step(effect, 0, 0); }
WipeStep last_step(std::int32_t effect) {
  const WipePlan plan = *wipe_plan(effect);
  return wipe_step(effect, plan.passes - 1, plan.steps_per_pass - 1);
}
// The first step of the second pass of an interlaced wipe.
WipeStep second_pass_start(std::int32_t effect) { return wipe_step(effect, 1, 0); }

}  // namespace

TEST(WipeOrder, ColumnWipesOpenCloseAndSweepFromTheRightEnds) {
  EXPECT_EQ(first_step(1).rect_count, 2);
  EXPECT_TRUE(first_step(1).rects[0] == column(511) && first_step(1).rects[1] == column(512));
  EXPECT_TRUE(last_step(1).rects[0] == column(0) && last_step(1).rects[1] == column(1023));
  EXPECT_TRUE(first_step(2).rects[0] == column(1023) && first_step(2).rects[1] == column(0));
  EXPECT_TRUE(last_step(2).rects[0] == column(512) && last_step(2).rects[1] == column(511));
  EXPECT_EQ(first_step(3).rect_count, 1);
  EXPECT_TRUE(first_step(3).rects[0] == column(1022, 2));
  EXPECT_TRUE(last_step(3).rects[0] == column(0, 2));
  EXPECT_TRUE(first_step(4).rects[0] == column(0, 2));
  EXPECT_TRUE(last_step(4).rects[0] == column(1022, 2));
}

TEST(WipeOrder, InterlacedWipesDrawEvenLinesFirstThenOddOnes) {
  EXPECT_TRUE(first_step(5).rects[0] == column(1022));
  EXPECT_TRUE(wipe_step(5, 0, 511).rects[0] == column(0));
  EXPECT_TRUE(second_pass_start(5).rects[0] == column(1023));
  EXPECT_TRUE(last_step(5).rects[0] == column(1));

  EXPECT_TRUE(first_step(6).rects[0] == row(766));
  EXPECT_TRUE(wipe_step(6, 0, 383).rects[0] == row(0));
  EXPECT_TRUE(second_pass_start(6).rects[0] == row(767));
  EXPECT_TRUE(last_step(6).rects[0] == row(1));

  // Even rows from the top, then odd rows from the bottom.
  EXPECT_TRUE(first_step(7).rects[0] == row(0));
  EXPECT_TRUE(wipe_step(7, 0, 1).rects[0] == row(2));
  EXPECT_TRUE(wipe_step(7, 0, 383).rects[0] == row(766));
  EXPECT_TRUE(second_pass_start(7).rects[0] == row(767));
  EXPECT_TRUE(last_step(7).rects[0] == row(1));
}

TEST(WipeOrder, BlocksGoColumnByColumnFromTheTopLeft) {
  EXPECT_TRUE(first_step(8).rects[0] == (WipeRect{0, 0, 128, 96}));
  EXPECT_TRUE(wipe_step(8, 0, 1).rects[0] == (WipeRect{0, 96, 128, 96}));
  EXPECT_TRUE(wipe_step(8, 0, 8).rects[0] == (WipeRect{128, 0, 128, 96}));
  EXPECT_TRUE(last_step(8).rects[0] == (WipeRect{896, 672, 128, 96}));
}

TEST(WipeOrder, EveryWipeCopiesEachScreenPixelExactlyOnce) {
  for (std::int32_t effect = 1; effect <= 8; ++effect) {
    SCOPED_TRACE(effect);
    const WipePlan plan = *wipe_plan(effect);
    std::vector<std::uint8_t> copies(static_cast<std::size_t>(screen_width) * screen_height);
    for (int pass = 0; pass < plan.passes; ++pass)
      for (int i = 0; i < plan.steps_per_pass; ++i) {
        const WipeStep step = wipe_step(effect, pass, i);
        for (int r = 0; r < step.rect_count; ++r) {
          const WipeRect& rect = step.rects[r];
          ASSERT_TRUE(rect.x >= 0 && rect.y >= 0 && rect.width > 0 && rect.height > 0 &&
                      rect.x + rect.width <= screen_width && rect.y + rect.height <= screen_height);
          for (int y = rect.y; y < rect.y + rect.height; ++y)
            for (int x = rect.x; x < rect.x + rect.width; ++x)
              ++copies[static_cast<std::size_t>(y) * screen_width + x];
        }
      }
    EXPECT_EQ(std::count(copies.begin(), copies.end(), 1), static_cast<long>(copies.size()));
  }
}

namespace {

class TransitionTest : public ScreensTest {
 protected:
  static void fill_pattern(platform::Surface* s, int seed) {
    for (int y = 0; y < s->height; ++y)
      for (int x = 0; x < s->width; ++x)
        platform::write_pixel(*s, x, y, {(x + seed) & 255, y & 255, (x ^ y) & 255});
  }
};

}  // namespace

TEST_F(TransitionTest, EachWipeBringsTheWholeFrameOnScreenWithItsPauses) {
  struct Case {
    std::int32_t effect;
    std::int64_t pause_ms;
    long pauses;
  };
  for (const Case& c : {Case{1, 64, 64}, Case{2, 64, 64}, Case{3, 256, 64}, Case{4, 256, 64},
                        Case{5, 572, 129}, Case{6, 444, 97}, Case{7, 444, 97}, Case{8, 1280, 64}}) {
    SCOPED_TRACE(c.effect);
    fill_pattern(screen.back_buffer, c.effect);
    fill(screen.primary_surface, {0, 0, 0});
    const platform::PixelBytes frame = screen.back_buffer->pixels;
    const std::int64_t start = platform::now_ms();
    const long presents = platform::headless::display_record().presents;
    run_transition(c.effect);
    EXPECT_EQ(platform::now_ms() - start, c.pause_ms);
    // Shown at every pause and once at the end.
    EXPECT_EQ(platform::headless::display_record().presents - presents, c.pauses + 1);
    EXPECT_TRUE(screen.primary_surface->pixels == frame);
    EXPECT_TRUE(screen.back_buffer->pixels == frame);
  }
}

TEST_F(TransitionTest, AnyOtherNumberFlipsAtOnce) {
  for (const std::int32_t effect : {0, 9, -1}) {
    SCOPED_TRACE(effect);
    fill(screen.back_buffer, {10, 20, 30});
    fill(screen.primary_surface, {40, 50, 60});
    const std::int64_t start = platform::now_ms();
    run_transition(effect);
    EXPECT_EQ(platform::now_ms(), start);
    EXPECT_EQ(platform::read_pixel(*screen.primary_surface, 500, 400), (Rgb{10, 20, 30}));
    EXPECT_EQ(platform::read_pixel(*screen.back_buffer, 500, 400), (Rgb{40, 50, 60}));
  }
}

TEST_F(TransitionTest, TheCursorIsErasedFirstAndLeftForTheNextWaitToDraw) {
  const Rgb save_under{7, 8, 9};
  for (int y = 40; y < 56; ++y)
    for (int x = 0; x < 16; ++x) platform::write_pixel(*screen.interface_atlas, x, y, save_under);
  mouse.drawn_cursor_x = 300;
  mouse.drawn_cursor_y = 200;

  // A flip leaves the screen as it was before in the back buffer, where the erasing shows.
  for (const std::uint8_t saved : {1, 0}) {
    SCOPED_TRACE(static_cast<int>(saved));
    fill(screen.primary_surface, {40, 50, 60});
    mouse.cursor_visible = 0;
    mouse.cursor_saved = saved;
    run_transition(9);
    EXPECT_EQ(count_of(screen.back_buffer, save_under, 300, 200, 16, 16), saved ? 16 * 16 : 0);
    EXPECT_EQ(count_of(screen.back_buffer, save_under, 290, 190, 36, 36), saved ? 16 * 16 : 0);
    EXPECT_EQ(mouse.cursor_visible, 1);
    EXPECT_EQ(mouse.cursor_saved, 0);
  }

  mouse.cursor_visible = 0;
  mouse.cursor_saved = 1;
  run_transition(8);
  EXPECT_EQ(mouse.cursor_visible, 1);
  EXPECT_EQ(mouse.cursor_saved, 0);
}

TEST_F(TransitionTest, EachWipesFramesAtAThirdAndTwoThirdsOfItsPausesMatchTheirPictures) {
  // The old frame in coarse three-colour squares, the new one in fine four-colour stripes.
  const Rgb old_colours[] = {{200, 60, 40}, {240, 200, 60}, {90, 40, 20}};
  const Rgb new_colours[] = {{30, 90, 200}, {60, 180, 220}, {20, 40, 90}, {230, 240, 250}};
  for (std::int32_t effect = 1; effect <= 8; ++effect) {
    SCOPED_TRACE(effect);
    for (int y = 0; y < screen_height; ++y)
      for (int x = 0; x < screen_width; ++x) {
        platform::write_pixel(*screen.primary_surface, x, y, old_colours[(x / 8 + y / 8) % 3]);
        platform::write_pixel(*screen.back_buffer, x, y, new_colours[(x + 2 * y) % 4]);
      }
    const WipePlan plan = *wipe_plan(effect);
    const long pauses = plan.passes * plan.steps_per_pass / plan.steps_per_pause + plan.passes - 1;
    std::vector<platform::Surface> frames;
    long presents = 0;
    platform::headless::observe_presents([&](const platform::Surface& primary) {
      if (++presents == pauses / 3 || presents == 2 * pauses / 3) frames.push_back(primary);
    });
    run_transition(effect);
    platform::headless::observe_presents(nullptr);
    ASSERT_EQ(frames.size(), 2u);
    test_support::expect_golden(frames[0], "transition-" + std::to_string(effect) + "-a-third");
    test_support::expect_golden(frames[1], "transition-" + std::to_string(effect) + "-two-thirds");
  }
}
