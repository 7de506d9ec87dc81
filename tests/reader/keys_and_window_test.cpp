// Keys F1 and F12, the close request, and the window losing and regaining the focus.
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr int probe_x = 500;
constexpr int probe_y = 300;

class KeysTest : public ReaderTest {
 protected:
  void SetUp() override {
    make_book(2);
    book.wave[1] = 31;
    folder_.write_sound(31, 200);
  }
  // White text pixels where "SEITE %3d" is written.
  static int page_number_pixels(const RunResult& result, const std::string& shot) {
    return count_of(result.shot(shot), white, 0, 745, 120, 23);
  }
};

TEST_F(KeysTest, F1TogglesThePageNumberAtTheBottomLeft) {
  const RunResult result = run(Script()
                                   .key("F1")
                                   .left()
                                   .shot("before")
                                   .key("F1")
                                   .shot("numbered")
                                   .forward()
                                   .shot("next_page_numbered")
                                   .key("F1")
                                   .shot("plain"));
  EXPECT_EQ(page_number_pixels(result, "before"), 0) << "F1 on the title screen is ignored";
  EXPECT_GT(page_number_pixels(result, "numbered"), 20);
  EXPECT_EQ(pixel(result.shot("numbered"), probe_x, probe_y), page_colour(10));
  EXPECT_EQ(result.shot("numbered").at_ms, result.shot("before").at_ms) << "F1 redraws with a plain flip";
  EXPECT_GT(page_number_pixels(result, "next_page_numbered"), 20);
  EXPECT_FALSE(same_frame(result.shot("numbered"), result.shot("next_page_numbered")));
  EXPECT_EQ(page_number_pixels(result, "plain"), 0);
  EXPECT_EQ(pixel(result.shot("plain"), 6, 755), page_colour(11));
}

TEST_F(KeysTest, F12OnTheTitleScreenDoesNothing) {
  const RunResult result = run(Script().key("F12").shot("title").left().shot("page"));
  EXPECT_EQ(pixel(result.shot("title"), probe_x, probe_y), title_colour);
  EXPECT_EQ(pixel(result.shot("page"), probe_x, probe_y), page_colour(10));
  EXPECT_FALSE(result.outlived);
}

TEST_F(KeysTest, F12AfterTheFirstClickEndsTheProgramThroughItsExitPath) {
  const RunResult result = run(Script().left().shot("page").key("F12").shot("never").forward());
  EXPECT_TRUE(result.has_shot("page"));
  EXPECT_FALSE(result.has_shot("never"));
  EXPECT_EQ(result.count_of("ch2 play once"), 0) << "no page was turned after F12";
  EXPECT_FALSE(result.outlived);
  EXPECT_TRUE(result.display_released);
}

TEST_F(KeysTest, ACloseRequestOnTheTitleScreenEndsTheProgram) {
  const RunResult result = run(Script().close().shot("never").left());
  EXPECT_FALSE(result.has_shot("never"));
  EXPECT_EQ(result.count_of("ch4 load bsou31.WAV"), 0) << "page 1 was never shown";
  EXPECT_FALSE(result.outlived);
  EXPECT_TRUE(result.display_released);
}

TEST_F(KeysTest, AnInactiveWindowLosesMouseLinesButStillTakesKeys) {
  const int dx = (forward_button_x - 497) / 2;
  const int dy = (bar_y + 1 - 369) / 2;
  const RunResult result = run(Script()
                                   .left()
                                   .focus(false)
                                   .unseen_move(dx, dy)
                                   .left()
                                   .key("F1")
                                   .focus(true)
                                   .shot("after_inactive_click")
                                   .forward()
                                   .shot("after_active_click"));
  const Shot& after_inactive = result.shot("after_inactive_click");
  EXPECT_EQ(pixel(after_inactive, probe_x, probe_y), page_colour(10));
  EXPECT_GT(count_of(after_inactive, white, 0, 745, 120, 23), 20) << "F1 arrived while inactive";
  EXPECT_EQ(result.count_of("ch2 play once"), 1) << "only the second click turned the page";
  EXPECT_EQ(pixel(result.shot("after_active_click"), probe_x, probe_y), page_colour(11));
}

TEST_F(KeysTest, MouseInputLostToAnotherApplicationIsAcquiredAgain) {
  const RunResult result = run(Script().left().line("lose-mouse").forward().shot("turned"));
  EXPECT_EQ(pixel(result.shot("turned"), probe_x, probe_y), page_colour(11));
}

}  // namespace
}  // namespace reader_test
