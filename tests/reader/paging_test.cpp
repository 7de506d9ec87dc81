// Paging with the navigation bar: order, wrap-around at both ends with a new pass of page
// waves, the bar's buttons and borders, clicks beside the bar, and the redraw button.
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int probe_x = 500;
constexpr int probe_y = 300;
constexpr int long_wave_ms = 5000;

class PagingTest : public ReaderTest {
 protected:
  // Pages 1..count show pictures 10.., and page n plays wave 30 + n.
  void make_book_with_waves(int count) {
    make_book(count);
    for (int p = 1; p <= count; ++p) {
      book.wave[p] = 30 + p;
      folder_.write_sound(book.wave[p], 200);
    }
  }
  static Rgb colour_of(const RunResult& result, const std::string& shot) {
    return pixel(result.shot(shot), probe_x, probe_y);
  }
};

TEST_F(PagingTest, ForwardOnTheLastPageWrapsToTheStartAndEveryWavePlaysAgain) {
  make_book_with_waves(3);
  const RunResult result = run(Script()
                                   .left()
                                   .shot("first")
                                   .forward()
                                   .shot("second")
                                   .forward()
                                   .shot("third")
                                   .forward()
                                   .shot("wrapped")
                                   .forward()
                                   .shot("second_again"));
  EXPECT_EQ(colour_of(result, "first"), page_colour(10));
  EXPECT_EQ(colour_of(result, "second"), page_colour(11));
  EXPECT_EQ(colour_of(result, "third"), page_colour(12));
  EXPECT_EQ(colour_of(result, "wrapped"), page_colour(10));
  EXPECT_EQ(colour_of(result, "second_again"), page_colour(11));
  // Pages 1, 2, 3, then the new pass: 1 and 2 again.
  EXPECT_EQ(result.count_of("ch4 play once"), 5);
  EXPECT_EQ(result.count_of("ch4 load bsou31.WAV"), 2);
  EXPECT_EQ(result.count_of("ch4 load bsou32.WAV"), 2);
  EXPECT_EQ(result.count_of("ch2 play once"), 4) << "one page-turn sound per turn";
  EXPECT_FALSE(result.outlived);
}

TEST_F(PagingTest, BackOnTheStartPageWrapsToTheLastPageAndStartsANewPass) {
  make_book_with_waves(3);
  const RunResult result =
      run(Script().left().back().shot("last").back().shot("middle").back().shot("start"));
  EXPECT_EQ(colour_of(result, "last"), page_colour(12));
  EXPECT_EQ(colour_of(result, "middle"), page_colour(11));
  EXPECT_EQ(colour_of(result, "start"), page_colour(10));
  // The wrap cleared the played flags, so page 1's wave sounds a second time.
  EXPECT_EQ(result.count_of("ch4 play once"), 4);
  EXPECT_EQ(result.count_of("ch4 load bsou31.WAV"), 2);
}

TEST_F(PagingTest, AOnePageBookWrapsOnEveryTurnInBothDirections) {
  make_book_with_waves(1);
  const RunResult result = run(Script().left().forward().shot("next").back().shot("previous"));
  EXPECT_EQ(colour_of(result, "next"), page_colour(10));
  EXPECT_EQ(colour_of(result, "previous"), page_colour(10));
  EXPECT_EQ(result.count_of("ch4 play once"), 3) << "the first show and two wraps";
}

TEST_F(PagingTest, TheBarsLeftAndTopBorderLinesBelongToNoButton) {
  make_book(2);
  book.wave[1] = 31;
  folder_.write_sound(31, long_wave_ms);
  const RunResult result = run(Script()
                                   .left()
                                   .click(782, bar_y)
                                   .wait(100)
                                   .click(800, 708)
                                   .wait(100)
                                   .shot("after_border_clicks")
                                   .click(783, 709));
  EXPECT_EQ(colour_of(result, "after_border_clicks"), page_colour(10));
  // Only the click on button 1 redrew the page (with effect 1, the loop's transition since
  // start-up), which cut the wave off once the page was on screen.
  EXPECT_EQ(result.times_of("ch4 stop"), std::vector<std::int64_t>{first_page_ms + 200 + pause_sum_ms[1]});
}

TEST_F(PagingTest, EachButtonCoversItsFiftyEightColumns) {
  make_book(3);
  const RunResult result = run(Script()
                                   .left()
                                   .click(898, 709)
                                   .shot("back_from_its_first_column")
                                   .click(955, 751)
                                   .shot("back_from_its_last_column")
                                   .click(956, bar_y)
                                   .shot("forward_from_its_first_column")
                                   .click(1007, bar_y)
                                   .shot("forward_near_its_end")
                                   .click(897, bar_y)
                                   .shot("menu_from_its_last_column")
                                   .right()
                                   .click(840, bar_y)
                                   .shot("menu_from_its_first_column")
                                   .right()
                                   .click(839, bar_y)
                                   .shot("redraw_from_its_last_column"));
  EXPECT_EQ(colour_of(result, "back_from_its_first_column"), page_colour(12));
  EXPECT_EQ(colour_of(result, "back_from_its_last_column"), page_colour(11));
  EXPECT_EQ(colour_of(result, "forward_from_its_first_column"), page_colour(12));
  EXPECT_EQ(colour_of(result, "forward_near_its_end"), page_colour(10));
  EXPECT_EQ(colour_of(result, "menu_from_its_last_column"), menu_panel_colour);
  EXPECT_EQ(colour_of(result, "menu_from_its_first_column"), menu_panel_colour);
  EXPECT_EQ(colour_of(result, "redraw_from_its_last_column"), page_colour(10));
}

class BlinkingPageTest : public PagingTest {
 protected:
  // Page 1 blinks box 40 (highlight 41) and plays a long wave; page 2 is plain.
  void SetUp() override {
    make_book(2);
    give_box(1, 1, 40, 300, 200);
    book.mark[1] = 1;
    book.wave[1] = 31;
    folder_.write_sound(31, long_wave_ms);
  }
  static Rgb box_of(const RunResult& result, const std::string& shot) { return pixel(result.shot(shot), 350, 240); }
};

TEST_F(BlinkingPageTest, ALeftClickBesideTheBarChangesNothingAndDoesNotRedraw) {
  // A redraw at 500 ms would have restarted the blink and cut the wave off.
  const RunResult result =
      run(Script().left().wait(500).click(probe_x, 500).wait(310).shot("first_step").wait(800).shot("second_step"));
  EXPECT_EQ(box_of(result, "first_step"), box_colour(41));
  EXPECT_EQ(box_of(result, "second_step"), box_colour(40));
  EXPECT_EQ(colour_of(result, "first_step"), page_colour(10));
  EXPECT_EQ(result.count_of("ch4 stop"), 0);
  EXPECT_EQ(result.count_of("ch4 play once"), 1);
}

TEST_F(BlinkingPageTest, TheRedrawButtonSilencesTheWaveAndStopsTheBlinkWithoutRestartingIt) {
  const RunResult result = run(Script()
                                   .left()
                                   .wait(500)
                                   .click(redraw_button_x, bar_y)
                                   .wait(310)
                                   .shot("at_first_step")
                                   .wait(800)
                                   .shot("at_second_step")
                                   .wait(800)
                                   .shot("at_third_step"));
  EXPECT_EQ(result.times_of("ch4 stop"), std::vector<std::int64_t>{first_page_ms + 500 + pause_sum_ms[1]});
  EXPECT_EQ(result.count_of("ch4 play once"), 1) << "the redraw does not play the wave again";
  for (const char* shot : {"at_first_step", "at_second_step", "at_third_step"}) {
    SCOPED_TRACE(shot);
    EXPECT_EQ(box_of(result, shot), box_colour(40));
    EXPECT_EQ(colour_of(result, shot), page_colour(10));
  }
}

TEST_F(PagingTest, TheNewMusicStartsBeforeAForwardEffectAndAfterABackwardOne) {
  make_book(2);
  folder_.write_configuration(50);
  for (std::int32_t music : {50, 51, 52}) folder_.write_sound(music, 5000);
  book.back_sound[2] = 51;
  book.back_sound[1] = 52;
  book.forward_transition[1] = 8;
  book.back_transition[2] = 8;
  const RunResult result = run(Script().left().forward().shot("second").back().shot("first"));
  const std::vector<std::int64_t> turns = result.times_of("ch2 play once");
  ASSERT_EQ(turns.size(), 2u);
  EXPECT_EQ(result.times_of("ch1 load bsou51.WAV"), std::vector<std::int64_t>{turns[0]});
  EXPECT_EQ(result.shot("second").at_ms, turns[0] + pause_sum_ms[8]);
  EXPECT_EQ(result.times_of("ch1 load bsou52.WAV"), std::vector<std::int64_t>{turns[1] + pause_sum_ms[8]});
  EXPECT_EQ(result.shot("first").at_ms, turns[1] + pause_sum_ms[8]);
}

}  // namespace
}  // namespace reader_test
