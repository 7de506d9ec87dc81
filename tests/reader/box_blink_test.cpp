// The box blink on a marked page: its period, the speed chosen in the reader menu, which boxes
// light up, and that turning the page stops it.
#include <utility>

#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int blink_speed_y = 465;

class BoxBlinkTest : public ReaderTest {
 protected:
  // Page 1 has boxes 40, 42 and 44 and the given mark; page 2 has box 46 and no mark.
  void make_marked_book(std::uint8_t mark) {
    make_book(2);
    give_box(1, 1, 40, 100, 200);
    give_box(1, 2, 42, 300, 200);
    give_box(1, 3, 44, 500, 200);
    give_box(2, 1, 46, 100, 200);
    book.mark[1] = mark;
  }
  // The colour in the middle of box `slot` (boxes at x 100, 300 and 500).
  static Rgb box_at(const RunResult& result, const std::string& shot, int slot) {
    return pixel(result.shot(shot), 100 + 200 * (slot - 1) + box_width / 2, 200 + box_height / 2);
  }
  // Shots 10 ms before and after the first two steps of a blink that starts with `start`.
  static Script& around_two_steps(Script& script, std::int64_t period) {
    return script.shot("start")
        .wait(period - 10)
        .shot("before_first")
        .wait(20)
        .shot("after_first")
        .wait(period - 20)
        .shot("before_second")
        .wait(20)
        .shot("after_second");
  }
  void expect_period(const RunResult& result, std::int64_t period) {
    EXPECT_EQ(result.shot("after_second").at_ms - result.shot("start").at_ms, 2 * period + 10);
    EXPECT_EQ(box_at(result, "before_first", 1), box_colour(40));
    EXPECT_EQ(box_at(result, "after_first", 1), box_colour(41));
    EXPECT_EQ(box_at(result, "before_second", 1), box_colour(41));
    EXPECT_EQ(box_at(result, "after_second", 1), box_colour(40));
  }
};

TEST_F(BoxBlinkTest, AMarkedPageAlternatesEvery800MillisecondsAtStartUp) {
  make_marked_book(1);
  Script script;
  script.left();
  const RunResult result = run(around_two_steps(script, 800));
  expect_period(result, 800);
  EXPECT_EQ(box_at(result, "after_first", 2), box_colour(42)) << "mark 1 lights box 1 alone";
}

class BlinkSpeedTest : public BoxBlinkTest, public ::testing::WithParamInterface<std::pair<int, std::int64_t>> {};

TEST_P(BlinkSpeedTest, TheSpeedChosenInTheMenuTakesEffectWhenTheBlinkStartsAgain) {
  const auto [x, period] = GetParam();
  make_marked_book(1);
  Script script;
  script.left().right().click(x, blink_speed_y);
  const RunResult result = run(around_two_steps(script, period));
  expect_period(result, period);
}

INSTANTIATE_TEST_SUITE_P(SpeedColumns, BlinkSpeedTest,
                         ::testing::Values(std::pair{351, 800}, std::pair{399, 800}, std::pair{400, 600},
                                           std::pair{449, 600}, std::pair{450, 400}, std::pair{499, 400}));

TEST_F(BoxBlinkTest, MarkFourLightsBoxesTwoAndThreeTogether) {
  make_marked_book(4);
  const RunResult result = run(Script().left().wait(810).shot("lit"));
  EXPECT_EQ(box_at(result, "lit", 1), box_colour(40));
  EXPECT_EQ(box_at(result, "lit", 2), box_colour(43));
  EXPECT_EQ(box_at(result, "lit", 3), box_colour(45));
}

TEST_F(BoxBlinkTest, AMarkWhoseBoxIsMissingBlinksTwoEqualFrames) {
  make_marked_book(4);
  book.box3[1] = 0;
  const RunResult result = run(Script().left().shot("start").wait(810).shot("first").wait(800).shot("second"));
  // The steps show frame 1, then frame 0: the same picture, cursor included.
  EXPECT_FALSE(same_frame(result.shot("start"), result.shot("first"))) << "a step draws the cursor";
  EXPECT_TRUE(same_frame(result.shot("first"), result.shot("second")));
  EXPECT_EQ(box_at(result, "first", 2), box_colour(42));
}

TEST_F(BoxBlinkTest, TurningThePageStopsTheBlinkAndTurningBackStartsItAgain) {
  make_marked_book(1);
  const RunResult result = run(Script()
                                   .left()
                                   .wait(700)
                                   .forward()
                                   .shot("turned")
                                   .wait(810)
                                   .shot("later")
                                   .wait(800)
                                   .shot("much_later")
                                   .back()
                                   .wait(810)
                                   .shot("back_and_lit"));
  for (const char* shot : {"turned", "later", "much_later"}) {
    SCOPED_TRACE(shot);
    EXPECT_EQ(box_at(result, shot, 1), box_colour(46));
    EXPECT_EQ(count_of(result.shot(shot), page_colour(10), 0, 0, platform::screen_width, platform::screen_height), 0);
  }
  EXPECT_EQ(box_at(result, "back_and_lit", 1), box_colour(41));
}

TEST_F(BoxBlinkTest, AStepAfterF1ShowsTheFrameTakenBeforeTheToggle) {
  make_marked_book(1);
  const RunResult result = run(Script().left().wait(100).key("F1").shot("numbered").wait(710).shot("step"));
  EXPECT_GT(count_of(result.shot("numbered"), white, 0, 745, 120, 23), 20);
  EXPECT_EQ(count_of(result.shot("step"), white, 0, 745, 120, 23), 0);
  EXPECT_EQ(box_at(result, "step", 1), box_colour(41));
}

TEST_F(BoxBlinkTest, APageReachedWithAPlainFlipBlinksItself) {
  make_book(3);
  give_box(2, 1, 40, 100, 200);
  give_box(3, 1, 42, 100, 200);
  book.mark[2] = 1;
  book.mark[3] = 1;
  book.forward_transition[1] = 0;
  book.forward_transition[2] = 9;  // no effect: a flip as well
  const RunResult result = run(Script().left().forward().wait(810).shot("second").forward().wait(810).shot("third"));
  EXPECT_EQ(box_at(result, "second", 1), box_colour(41));
  EXPECT_EQ(pixel(result.shot("second"), 500, 500), page_colour(11));
  EXPECT_EQ(box_at(result, "third", 1), box_colour(43));
  EXPECT_EQ(pixel(result.shot("third"), 500, 500), page_colour(12));
}

TEST_F(BoxBlinkTest, LeavingTheEditorOntoAMarkedPageBlinksItWithoutTheBars) {
  make_marked_book(1);
  const RunResult result = run(Script().left().right().click(110, 109).right().wait(810).shot("lit"));
  EXPECT_EQ(box_at(result, "lit", 1), box_colour(41));
  EXPECT_EQ(pixel(result.shot("lit"), 600, 760), page_colour(10)) << "no toolbar in the blink's frames";
}

}  // namespace
}  // namespace reader_test
