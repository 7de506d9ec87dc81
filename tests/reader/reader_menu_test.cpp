// The reader menu's click areas as a reader meets them: entries, volume buttons, the editor and
// author switches, the transition sliders, and clicks that do nothing.
#include "graphics/atlas_layout.h"
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int probe_x = 500;
constexpr int probe_y = 300;
constexpr int entry_x = 500;
// The middle of entry n (1..5) of the menu's list.
constexpr int entry_y(int n) { return 145 + 50 * (n - 1); }
constexpr int volume_marker_x = 126;
constexpr int volume_marker_y(int level) { return 280 + 20 * level; }
constexpr std::int32_t title_music = 20;
constexpr std::int32_t back_sound = 21;

class ReaderMenuTest : public ReaderTest {
 protected:
  // Three pages with waves 31..33; page 3 has a back sound; the title music plays.
  void SetUp() override {
    make_book(3);
    for (int p = 1; p <= 3; ++p) {
      book.wave[p] = 30 + p;
      folder_.write_sound(book.wave[p], 200);
    }
    book.back_sound[3] = back_sound;
    folder_.write_sound(back_sound, 1000);
    folder_.write_configuration(title_music);
    folder_.write_sound(title_music, 1000);
  }
  static Rgb probe(const RunResult& result, const std::string& shot) { return pixel(result.shot(shot), probe_x, probe_y); }
  static bool marker_at(const RunResult& result, const std::string& shot, int level) {
    return filled_with(result.shot(shot), volume_marker_colour, volume_marker_x, volume_marker_y(level),
                       atlas::volume_marker.width, atlas::volume_marker.height);
  }
};

TEST_F(ReaderMenuTest, TheRightButtonOpensTheMenuOverThePageAndClosesItAgain) {
  const RunResult result = run(Script().left().right().shot("menu").right().shot("closed"));
  const Shot& menu = result.shot("menu");
  EXPECT_TRUE(filled_with(menu, menu_panel_colour, 100, 100, 20, 20));
  EXPECT_TRUE(filled_with(menu, menu_panel_colour, 680, 530, 20, 20));
  EXPECT_EQ(pixel(menu, 99, 99), page_colour(10));
  EXPECT_EQ(pixel(menu, 700, 550), page_colour(10));
  EXPECT_TRUE(marker_at(result, "menu", 4));
  // Back to the book, with the effect the menu sets for the redraw.
  EXPECT_EQ(probe(result, "closed"), page_colour(10));
  EXPECT_EQ(result.shot("closed").at_ms - result.shot("menu").at_ms, pause_sum_ms[1]);
}

TEST_F(ReaderMenuTest, QuitEndsTheProgram) {
  const RunResult result = run(Script().left().right().click(entry_x, entry_y(1)).shot("never").forward());
  EXPECT_FALSE(result.has_shot("never"));
  EXPECT_FALSE(result.outlived);
  EXPECT_TRUE(result.display_released);
  EXPECT_EQ(result.count_of("ch2 play once"), 0);
}

TEST_F(ReaderMenuTest, TheEntryColumnReachesFromRow121ToRow369) {
  // Row 370 and row 120 are outside the list: the menu stays. Row 121 is the quit entry.
  const RunResult result =
      run(Script().left().right().click(entry_x, 370).click(entry_x, 120).shot("still_open").click(entry_x, 121).shot("never"));
  EXPECT_EQ(probe(result, "still_open"), menu_panel_colour);
  EXPECT_FALSE(result.has_shot("never"));
  EXPECT_FALSE(result.outlived);
}

TEST_F(ReaderMenuTest, StartAndLastPageJumpStartANewPassWithoutFollowingTheBackSound) {
  const RunResult result = run(Script()
                                   .left()
                                   .forward()
                                   .right()
                                   .click(entry_x, entry_y(3))
                                   .shot("last")
                                   .right()
                                   .click(entry_x, entry_y(2))
                                   .shot("start"));
  EXPECT_EQ(probe(result, "last"), page_colour(12));
  EXPECT_EQ(probe(result, "start"), page_colour(10));
  // Pages 1, 2, then 3 and 1 again, each jump a new pass.
  EXPECT_EQ(result.count_of("ch4 play once"), 4);
  EXPECT_EQ(result.count_of("ch4 load bsou31.WAV"), 2);
  EXPECT_EQ(result.count_of("ch1 load bsou21.WAV"), 0);
}

TEST_F(ReaderMenuTest, TheMusicEntrySwitchesTheTitleMusicOffAndOn) {
  const RunResult result = run(Script()
                                   .left()
                                   .right()
                                   .click(entry_x, entry_y(4))
                                   .wait(100)
                                   .back()
                                   .right()
                                   .click(entry_x, entry_y(4)));
  EXPECT_EQ(result.times_of("ch1 play loop").size(), 2u);
  ASSERT_EQ(result.times_of("ch1 stop").size(), 1u);
  // While off, turning back to page 3 did not follow its back sound.
  EXPECT_EQ(result.count_of("ch1 load bsou21.WAV"), 0);
  EXPECT_LT(result.times_of("ch1 stop")[0], result.times_of("ch1 play loop")[1]);
}

TEST_F(ReaderMenuTest, BackToTheBookRedrawsThePageOnly) {
  const RunResult result = run(Script().left().right().click(entry_x, entry_y(5)).shot("book"));
  EXPECT_EQ(probe(result, "book"), page_colour(10));
  EXPECT_EQ(pixel(result.shot("book"), 110, 110), page_colour(10));
  EXPECT_EQ(result.count_of("ch4 play once"), 1);
}

TEST_F(ReaderMenuTest, LouderAndQuieterMoveTheMarkerAndTheMusicVolume) {
  const RunResult result = run(Script()
                                   .left()
                                   .right()
                                   .click(150, 280)
                                   .shot("louder")
                                   .click(150, 460)
                                   .click(150, 470)
                                   .shot("quieter"));
  EXPECT_TRUE(marker_at(result, "louder", 3));
  EXPECT_EQ(pixel(result.shot("louder"), volume_marker_x, volume_marker_y(4)), menu_panel_colour);
  EXPECT_TRUE(marker_at(result, "quieter", 5));
  // The first line is the music's load.
  EXPECT_EQ(result.events_starting("ch1 volume"),
            (std::vector<std::string>{"ch1 volume -900", "ch1 volume -600", "ch1 volume -900", "ch1 volume -1200"}));
}

TEST_F(ReaderMenuTest, TheVolumeStopsAtItsLoudestAndQuietestLevels) {
  Script script;
  script.left().right();
  for (int i = 0; i < 5; ++i) script.click(150, 285);
  script.shot("loudest");
  for (int i = 0; i < 9; ++i) script.click(150, 465);
  script.shot("quietest");
  const RunResult result = run(script);
  EXPECT_TRUE(marker_at(result, "loudest", 1));
  EXPECT_TRUE(marker_at(result, "quietest", 8));
  std::vector<std::string> expected;
  for (int v : {-900, -600, -300, 0, -300, -600, -900, -1200, -1500, -1800, -2100})
    expected.push_back("ch1 volume " + std::to_string(v));
  EXPECT_EQ(result.events_starting("ch1 volume"), expected);
}

TEST_F(ReaderMenuTest, TheEditorSwitchShowsTheEditorsBarsAndStatusLinesWithAPlainFlip) {
  const RunResult result = run(Script().left().right().shot("menu").click(110, 109).shot("editor"));
  const Shot& editor = result.shot("editor");
  EXPECT_EQ(editor.at_ms, result.shot("menu").at_ms);
  EXPECT_EQ(pixel(editor, 790, 45), status_bar_colour);
  EXPECT_EQ(pixel(editor, 600, 760), toolbar_colour);
  EXPECT_EQ(pixel(editor, 990, 45), side_buttons_colour);
  EXPECT_GT(count_of(editor, white, 10, 2, 300, 36), 50) << "the status lines";
  EXPECT_GT(count_of(editor, white, 12, 694, 200, 22), 20) << "the edit-mode line";
}

class AuthorSwitchTest : public ReaderMenuTest {
 protected:
  void SetUp() override {
    ReaderMenuTest::SetUp();
    book.back_transition[1] = 3;
    book.forward_transition[1] = 5;
  }
  // Whether the knob of the slider at `slider_y` (30 backward, 580 forward) shows `value`.
  static bool knob_at(const Shot& shot, int slider_y, int value) {
    return filled_with(shot, mark_colour, 100 + 40 * value, slider_y + 26, atlas::mark_symbol.width,
                       atlas::mark_symbol.height);
  }
};

TEST_F(AuthorSwitchTest, TheSwitchShowsBothSlidersWithTheirKnobsAtThePagesEffects) {
  const RunResult result = run(Script().left().right().shot("without").click(204, 109).shot("with"));
  EXPECT_EQ(pixel(result.shot("without"), 120, 40), page_colour(10));
  const Shot& with = result.shot("with");
  EXPECT_EQ(pixel(with, 120, 40), slider_bar_colour);
  EXPECT_EQ(pixel(with, 120, 590), slider_bar_colour);
  EXPECT_TRUE(knob_at(with, 30, 3));
  EXPECT_TRUE(knob_at(with, 580, 5));
}

TEST_F(AuthorSwitchTest, EffectsFarOutsideTheSliderShowNoKnob) {
  // 100 + 40 x 107374185 comes round to 204 in 32 bits; 40 x -2147483647 overflows as well.
  book.back_transition[1] = 107374185;
  book.forward_transition[1] = -2147483647;
  const RunResult result = run(Script().left().right().click(204, 109).shot("with"));
  const Shot& with = result.shot("with");
  EXPECT_EQ(pixel(with, 120, 40), slider_bar_colour);
  EXPECT_EQ(count_of(with, mark_colour, 100, 56, 440, 18), 0);
  EXPECT_EQ(count_of(with, mark_colour, 100, 606, 440, 18), 0);
}

TEST_F(AuthorSwitchTest, TheSlidersSetTheEffectsOfThePagesNextTurns) {
  const RunResult result = run(Script()
                                   .left()
                                   .right()
                                   .click(204, 109)
                                   .click(579, 50)
                                   .click(101, 600)
                                   .shot("set")
                                   .right()
                                   .shot("book")
                                   .back()
                                   .shot("after_back")
                                   .forward()
                                   .forward()
                                   .shot("after_forward"));
  EXPECT_TRUE(knob_at(result.shot("set"), 30, 8)) << "x 579 gives 11, held to 8";
  EXPECT_TRUE(knob_at(result.shot("set"), 580, 0));
  EXPECT_EQ(result.shot("after_back").at_ms - result.shot("book").at_ms, pause_sum_ms[8]);
  // From page 3 (effect 0) and then from page 1, now 0 too: two plain flips.
  EXPECT_EQ(result.shot("after_forward").at_ms, result.shot("after_back").at_ms);
  EXPECT_EQ(probe(result, "after_forward"), page_colour(11));
}

TEST_F(AuthorSwitchTest, AClickOnTheSliderRowsDoesNothingWhileTheSwitchIsOff) {
  const RunResult result = run(Script()
                                   .left()
                                   .right()
                                   .shot("menu")
                                   .click(300, 50)
                                   .shot("after_click")
                                   .click(204, 109)
                                   .shot("sliders"));
  EXPECT_EQ(pixel(result.shot("after_click"), 340, 60), page_colour(10)) << "no slider appeared";
  EXPECT_EQ(probe(result, "after_click"), menu_panel_colour) << "the menu is still open";
  EXPECT_TRUE(knob_at(result.shot("sliders"), 30, 3)) << "the backward effect kept its value";
}

}  // namespace
}  // namespace reader_test
