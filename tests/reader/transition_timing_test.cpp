// Page turns with each transition effect: the program time each one pauses for, and that each
// leaves the whole new frame on screen.
#include "graphics/atlas_layout.h"
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int screen_pixels = platform::screen_width * platform::screen_height;
constexpr int nav_bar_pixels = atlas::nav_bar.width * atlas::nav_bar.height;
// The forward effects of pages 1..10; 9 and -1 are no effect and flip.
constexpr std::int32_t forward_effects[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, -1};
constexpr int turns = static_cast<int>(std::size(forward_effects));

std::int64_t pause_of(std::int32_t effect) { return effect >= 1 && effect <= 8 ? pause_sum_ms[effect] : 0; }

class TransitionTimingTest : public ReaderTest {};

TEST_F(TransitionTimingTest, EachForwardEffectPausesForItsSumAndEndsWithTheWholeFrame) {
  make_book(turns + 1);
  for (int p = 1; p <= turns; ++p) book.forward_transition[p] = forward_effects[p - 1];
  Script script;
  script.left().shot("page1");
  for (int p = 2; p <= turns + 1; ++p) script.forward().shot("page" + std::to_string(p));
  const RunResult result = run(script);

  const std::vector<std::int64_t> turn_sounds = result.times_of("ch2 play once");
  ASSERT_EQ(turn_sounds.size(), static_cast<std::size_t>(turns));
  for (int p = 2; p <= turns + 1; ++p) {
    const std::int32_t effect = forward_effects[p - 2];
    SCOPED_TRACE("effect " + std::to_string(effect));
    const Shot& before = result.shot("page" + std::to_string(p - 1));
    const Shot& after = result.shot("page" + std::to_string(p));
    EXPECT_EQ(after.at_ms - before.at_ms, pause_of(effect));
    // The page-turn sound plays as the turn begins, so the next one comes a pause sum later.
    if (p <= turns) {
      EXPECT_EQ(turn_sounds[p - 1] - turn_sounds[p - 2], pause_of(effect));
    }
    EXPECT_EQ(count_of(after, page_colour(book.picture[p - 1]), 0, 0, platform::screen_width, platform::screen_height), 0);
    EXPECT_EQ(count_of(after, page_colour(book.picture[p]), 0, 0, platform::screen_width, platform::screen_height),
              screen_pixels - nav_bar_pixels);
  }
}

TEST_F(TransitionTimingTest, TurningBackUsesTheBackEffectOfThePageBeingLeft) {
  make_book(2);
  book.forward_transition[1] = 0;
  book.back_transition[2] = 8;
  book.back_transition[1] = 4;
  const RunResult result = run(Script().left().forward().shot("second").back().shot("first").back().shot("wrapped"));
  EXPECT_EQ(result.shot("first").at_ms - result.shot("second").at_ms, pause_sum_ms[8]);
  EXPECT_EQ(result.shot("wrapped").at_ms - result.shot("first").at_ms, pause_sum_ms[4]);
  EXPECT_EQ(pixel(result.shot("wrapped"), 500, 300), page_colour(11));
}

TEST_F(TransitionTimingTest, AfterAnEffectTheNextMovementDrawsTheCursorAgain) {
  make_book(2);
  book.forward_transition[1] = 7;
  const RunResult result =
      run(Script().left().forward().shot("turned").move_to(forward_button_x + 2, bar_y).shot("moved"));
  // The arrow's lower-left half: column 0 of the sprite is cursor-coloured all the way down.
  EXPECT_EQ(pixel(result.shot("turned"), forward_button_x, bar_y + 10), nav_bar_colour);
  EXPECT_EQ(pixel(result.shot("moved"), forward_button_x + 2, bar_y + 10), cursor_colour);
  EXPECT_EQ(pixel(result.shot("moved"), forward_button_x, bar_y + 10), nav_bar_colour) << "nothing left of the old one";
}

}  // namespace
}  // namespace reader_test
