// An author builds a book inside the program, from a folder without a book file, and saves it.
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <limits>
#include <vector>

#include "book/book_file.h"
#include "platform/text/text_output.h"
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int side_upper_y = 10;
constexpr int side_lower_y = 40;

// The reader menu's editor and author switches.
Script& into_editor(Script& s) { return s.left().right_click(500, 300).click(110, 109); }
Script& author_switch_on(Script& s) { return s.left().right_click(500, 300).click(204, 109).right(); }

// Chooses the toolbar mode with one click and carries it out with a second.
Script& carry_out(Script& s, int mode) { return s.click(toolbar_x(mode), toolbar_y).left(); }

// Replaces the prompt's pre-filled value with `number` and stores it.
Script& answer(Script& s, std::int32_t number) {
  return s.line("char 9").line("type " + std::to_string(number)).line("char 13");
}

// What the session below must leave: the cleared table of a fresh start, edited.
std::vector<std::uint8_t> expected_book() {
  reset_page_table();
  pages.default_box1_x = 100;
  pages.default_box1_y = 100;
  clear_page_table();
  pages.start_page = 1;
  pages.page_count = 5;
  const std::int32_t pictures[] = {0, 10, 11, 12, 12, 13};
  for (int p = 1; p <= 5; ++p) pages.picture[p] = pictures[p];
  // Page 3 was inserted: empty but for the picture of the page that moved up.
  for (std::int32_t* field : {pages.box1_x, pages.box1_y, pages.box2_x, pages.box2_y, pages.box3_x, pages.box3_y})
    field[3] = 0;
  pages.wave[2] = 5;
  pages.box1[2] = 20;
  pages.level[2] = 3;
  pages.box2[2] = 21;
  pages.box2_x[2] = 303;
  pages.box2_y[2] = 402;
  pages.box3[2] = 22;
  pages.back_sound[2] = 30;
  pages.text_file[2] = 7;
  pages.mark[2] = 3;
  std::vector<std::uint8_t> bytes(book_file_size);
  encode_book(bytes.data(), book_file_size);
  return bytes;
}

class AuthoringSession : public ReaderTest {};

}  // namespace

TEST_F(AuthoringSession, AnAuthorBuildsAndSavesABookInsideTheProgram) {
  for (std::int32_t picture = 10; picture <= 14; ++picture) folder_.write_picture(picture);
  folder_.write_box(21, box_width, box_height);
  Script s;
  into_editor(s).shot("editor");
  carry_out(s, 3);  // exchange page 1's missing picture for 10
  answer(s, 10);
  carry_out(s, 4);
  for (std::int32_t picture : {11, 12, 13, 14}) {
    carry_out(s, 1);
    answer(s, picture);
    carry_out(s, 2);
  }
  s.shot("appended");
  s.back().back();  // from page 5 to page 3
  carry_out(s, 5);
  s.forward().forward().forward();  // to page 6, the last
  carry_out(s, 6);
  s.forward().forward();  // wraps to page 1, then page 2
  for (const auto& [mode, value] : {std::pair{9, 5}, {10, 20}, {11, 3}, {12, 21}, {16, 22}}) {
    carry_out(s, mode);
    answer(s, value);
  }
  s.click(side_x(17), side_upper_y).left();
  answer(s, 30);
  s.click(side_x(20), side_upper_y).left();
  answer(s, 7);
  s.click(toolbar_x(14), toolbar_y).click(300, 400);  // box 2 placed by a click ...
  s.key("RIGHT").key("RIGHT").key("RIGHT").key("DOWN").key("DOWN");  // ... and nudged
  s.shot("placed").right();
  carry_out(s, 7);                                      // mark 1
  s.click(side_x(18), side_upper_y).left();             // 1 -> 0
  s.left();                                             // 0 -> 2
  s.click(side_x(19), side_lower_y).left();             // 2 -> 4
  s.click(side_x(19), side_upper_y);                    // 4 -> 0
  s.left();                                             // 0 -> 3
  s.shot("marked");
  carry_out(s, 8);
  s.shot("saved").key("F12");

  const RunResult first = run(s, false, false);
  EXPECT_TRUE(first.display_released);
  EXPECT_TRUE(filled_with(first.shot("editor"), toolbar_colour, 0, 720, 800, 40));
  EXPECT_TRUE(filled_with(first.shot("appended"), page_colour(14), 300, 300, 100, 100));
  EXPECT_TRUE(filled_with(first.shot("placed"), box_colour(21), 303, 402, box_width, box_height));
  EXPECT_TRUE(filled_with(first.shot("marked"), mark_colour, 880, 695, 10, 8));
  EXPECT_FALSE(filled_with(first.shot("saved"), toolbar_colour, 0, 720, 800, 40));  // saving left the editor

  const std::string file = test_support::read_file(folder_.dir() / book_file_name);
  const std::vector<std::uint8_t> saved(file.begin(), file.end());
  const auto expected = expected_book();
  ASSERT_EQ(saved.size(), expected.size());
  for (std::size_t i = 0; i < saved.size(); ++i)
    ASSERT_EQ(saved[i], expected[i]) << "first difference at byte " << i;

  Script reading;
  reading.left().shot("page1").forward().shot("page2").key("F12");
  const RunResult second = run(reading, false, false);
  EXPECT_TRUE(filled_with(second.shot("page1"), page_colour(10), 500, 300, 100, 100));
  EXPECT_TRUE(filled_with(second.shot("page2"), box_colour(21), 303, 402, box_width, box_height));
  EXPECT_EQ(pages.page_count, 5);
  EXPECT_EQ(pages.mark[2], 3);
}

TEST_F(AuthoringSession, APromptOpenWhenTheEditorIsLeftStillTakesTypedNumbers) {
  make_book(2);
  Script s;
  into_editor(s);
  carry_out(s, 11);  // the level prompt
  s.right().shot("left");  // leaves the editor, the prompt stays open
  s.line("char 9").line("type 5").line("char 13").shot("stored");
  s.key("F12");
  const RunResult result = run(s, false);
  EXPECT_FALSE(filled_with(result.shot("left"), toolbar_colour, 0, 720, 800, 40));
  EXPECT_EQ(pages.level[1], 5);
  // Enter redraws with the editor's status lines although the editor is off.
  EXPECT_GT(count_of(result.shot("stored"), white, 10, 2, 600, 36), 200);
  EXPECT_TRUE(filled_with(result.shot("stored"), level_strip_colour(5), 80, 50, 200, 16));
}

namespace {

class AuthorToolsTest : public ReaderTest {
 protected:
  void SetUp() override {
    make_book(3);
    for (std::int32_t sound : {4, 5, 6}) folder_.write_sound(sound, effect_sound_ms);
  }
  // The white cells the position readout draws behind its numbers at the top right.
  static int readout_pixels(const RunResult& result, const std::string& shot) {
    return count_of(result.shot(shot), white, 950, 10, 74, 56);
  }
};

TEST_F(AuthorToolsTest, EachEditorActionSoundsItsEffect) {
  book.mark[1] = 2;
  Script s;
  into_editor(s);
  for (int mode : {5, 6, 2, 4, 9}) carry_out(s, mode);  // insert, delete, refused append and exchange, a prompt
  s.line("char 27");
  s.click(side_x(19), side_lower_y).left().left();  // marks 2 -> 4 -> 2
  s.click(side_x(19), side_upper_y).click(side_x(19), side_lower_y).key("F12");  // 2 -> 0, then no switch
  const RunResult result = run(s);
  EXPECT_EQ(result.effects_played(), (std::vector<std::int32_t>{4, 6, 4, 6, 4, 5, 4, 5, 4, 6, 4, 4, 4}));
  EXPECT_EQ(pages.mark[1], 0);
}

TEST_F(AuthorToolsTest, OnlyASuccessfulSaveBringsTheReaderViewBackWithEffect1) {
  Script s;
  into_editor(s).click(toolbar_x(8), toolbar_y).shot("chosen").left().shot("saved").key("F12");
  const RunResult saved = run(s);
  EXPECT_EQ(saved.shot("saved").at_ms - saved.shot("chosen").at_ms, pause_sum_ms[1]);
  folder_.write_book(book);
  ::chmod((folder_.dir() / book_file_name).c_str(), 0444);
  const RunResult refused = run(s, true, false);
  EXPECT_EQ(refused.shot("saved").at_ms, refused.shot("chosen").at_ms) << "a plain flip";
  EXPECT_FALSE(filled_with(refused.shot("saved"), toolbar_colour, 0, 720, 800, 40)) << "the editor is off all the same";
}

TEST_F(AuthorToolsTest, ArrowKeysNudgeOnlyABoxBeingPlacedAndRepeatWhileHeld) {
  give_box(1, 1, 23, 100, 100);
  give_box(1, 2, 21, 750, 180);
  Script s;
  into_editor(s).click(toolbar_x(14), toolbar_y).click(300, 400);
  s.key("LEFT").key("LEFT").key("LEFT").key("UP").key("UP").shot("nudged");
  s.right().shot("placing_ended").key("LEFT").key("LEFT").key("UP").key("DOWN").key("UP").shot("arrows_ignored").key("F12");
  const RunResult result = run(s);
  EXPECT_TRUE(filled_with(result.shot("nudged"), box_colour(21), 297, 398, box_width, box_height));
  EXPECT_TRUE(same_frame(result.shot("placing_ended"), result.shot("arrows_ignored")));
  EXPECT_EQ(pages.box2_x[1], 297);
  EXPECT_EQ(pages.box2_y[1], 398);
}

TEST_F(AuthorToolsTest, ANudgeStaysPutAtTheInt32Limits) {
  constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t smallest = std::numeric_limits<std::int32_t>::min();
  give_box(1, 2, 21, largest, smallest);
  Script s;
  into_editor(s).click(toolbar_x(14), toolbar_y).key("RIGHT").key("UP").key("F12");
  run(s);
  EXPECT_EQ(pages.box2_x[1], largest);
  EXPECT_EQ(pages.box2_y[1], smallest);
}

TEST_F(AuthorToolsTest, F3WritesTheBackupWhileTheAuthorSwitchIsOn) {
  Script s;
  author_switch_on(s).key("F3").move_to(501, 301).shot("after").key("F12");
  const RunResult result = run(s);
  EXPECT_EQ(std::filesystem::file_size(folder_.dir() / "SCR0.BIX"), 15908u);
  EXPECT_EQ(result.effects_played(), std::vector<std::int32_t>{6});
  EXPECT_GT(readout_pixels(result, "after"), 100) << "the switch stays on";
}

TEST_F(AuthorToolsTest, AFailedBackupTurnsTheAuthorSwitchOff) {
  std::filesystem::create_directory(folder_.dir() / "SCR0.BIX");
  Script s;
  // F1 redraws the page, so only a readout drawn after it shows.
  author_switch_on(s).move_to(501, 301).shot("before").key("F3").key("F1").move_to(601, 301).shot("after").key("F3");
  const RunResult result = run(s);
  EXPECT_GT(readout_pixels(result, "before"), 100);
  EXPECT_EQ(readout_pixels(result, "after"), 0);
  EXPECT_TRUE(result.effects_played().empty());
  EXPECT_TRUE(std::filesystem::is_directory(folder_.dir() / "SCR0.BIX"));
}

TEST_F(AuthorToolsTest, F3DoesNothingWhileTheAuthorSwitchIsOff) {
  const RunResult result = run(Script().left().key("F3").key("F12"));
  EXPECT_FALSE(std::filesystem::exists(folder_.dir() / "SCR0.BIX"));
  EXPECT_TRUE(result.effects_played().empty());
}

TEST_F(AuthorToolsTest, ThePositionReadoutShowsThePointerAndTheLastMenuResult) {
  Script s;
  author_switch_on(s).move_to(500, 301).shot("readout").key("F12");  // one movement from the menu's switch
  const RunResult result = run(s);
  // The page under three lines of black text on white cells; the right button closed the menu: 5.
  platform::Surface expected = result.shot("readout").frame;
  for (int y = 10; y < 66; ++y)
    for (int x = 950; x < platform::screen_width; ++x) platform::write_pixel(expected, x, y, page_colour(10));
  for (const auto& [y, text] : {std::pair{10, "500  *"}, {30, "301  "}, {50, "5  "}})
    platform::draw_text(expected, 950, y, platform::FontId::system_font, {0, 0, 0}, true, text,
                        static_cast<int>(std::strlen(text)));
  EXPECT_TRUE(result.shot("readout").frame.pixels == expected.pixels);
}

}  // namespace
}  // namespace reader_test
