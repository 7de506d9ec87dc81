// Books with values out of range and files that are missing or cut short: the program runs on
// and shows what it can.
#include <filesystem>
#include <limits>

#include "platform/headless/headless_message_box.h"
#include "reader_fixture.h"
#include "support/temp_dir.h"

namespace reader_test {
namespace {

constexpr int probe_x = 500;
constexpr int probe_y = 300;
constexpr int screen_pixels = platform::screen_width * platform::screen_height;
constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();

class BadBookTest : public ReaderTest {
 protected:
  static int count_on_screen(const Shot& shot, Rgb colour) {
    return count_of(shot, colour, 0, 0, platform::screen_width, platform::screen_height);
  }
  // "NOCH KEIN BILD !" at (10, 1).
  static int no_picture_text_pixels(const Shot& shot) { return count_of(shot, white, 10, 1, 140, 14); }
};

TEST_F(BadBookTest, LevelsAbove48ShowStrip48AndLevelsBelow1NoStrip) {
  make_book(4);
  book.level[1] = 60;
  book.level[2] = -3;
  book.level[3] = 1;
  book.level[4] = 48;
  const RunResult result =
      run(Script().left().shot("level60").forward().shot("level-3").forward().shot("level1").forward().shot("level48"));
  EXPECT_TRUE(filled_with(result.shot("level60"), level_strip_colour(48), 80, 50, 200, 16));
  EXPECT_EQ(pixel(result.shot("level-3"), 100, 55), page_colour(11));
  EXPECT_TRUE(filled_with(result.shot("level1"), level_strip_colour(1), 80, 50, 200, 16));
  EXPECT_EQ(pixel(result.shot("level1"), 100, 66), page_colour(12)) << "a strip is 16 rows high";
  EXPECT_TRUE(filled_with(result.shot("level48"), level_strip_colour(48), 80, 50, 200, 16));
}

TEST_F(BadBookTest, AnUnknownMarkRunsTheBlinkWithNothingLit) {
  make_book(1);
  give_box(1, 1, 40, 300, 200);
  book.mark[1] = 9;
  const RunResult result = run(Script().left().wait(810).shot("first_step").wait(800).shot("second_step"));
  EXPECT_EQ(pixel(result.shot("first_step"), 350, 240), box_colour(40));
  EXPECT_TRUE(same_frame(result.shot("first_step"), result.shot("second_step")));
  EXPECT_FALSE(result.outlived);
}

TEST_F(BadBookTest, BoxesAtTheEdgesOfTheNumberRangeDrawAndBlinkNothing) {
  make_book(2);
  give_box(1, 1, 40, int_max - 5, 100);
  give_box(1, 2, 42, int_min + 5, int_max);
  give_box(1, 3, 44, 100, int_min);
  book.mark[1] = 4;
  book.box1[2] = int_max;  // its highlight would be number 2^31
  book.box1_x[2] = 100;
  book.box1_y[2] = 100;
  book.mark[2] = 1;
  const RunResult result =
      run(Script().left().wait(810).shot("first_lit").forward().wait(810).shot("second_lit"));
  // Only the page, the bar and the cursor that each step draws where the pointer is.
  for (const auto& [shot, picture] : {std::pair{"first_lit", 10}, std::pair{"second_lit", 11}}) {
    SCOPED_TRACE(shot);
    EXPECT_EQ(count_on_screen(result.shot(shot), page_colour(picture)) +
                  count_on_screen(result.shot(shot), cursor_colour) + count_on_screen(result.shot(shot), nav_bar_colour),
              screen_pixels);
  }
}

TEST_F(BadBookTest, APageCountOf0ReadsAsABookOfOnePage) {
  make_book(2);
  book.page_count = 0;
  book.wave[1] = 31;
  folder_.write_sound(31, 200);
  const RunResult result = run(Script().left().forward().shot("next").back().shot("previous"));
  EXPECT_EQ(pixel(result.shot("next"), probe_x, probe_y), page_colour(10));
  EXPECT_EQ(pixel(result.shot("previous"), probe_x, probe_y), page_colour(10));
  EXPECT_EQ(result.count_of("ch4 play once"), 3);
}

TEST_F(BadBookTest, APageCountOf5000ReadsAs299) {
  make_book(1);
  book.page_count = 5000;
  const RunResult result = run(Script().left().back().shot("page299").forward().shot("wrapped"));
  // Page 299 has no picture: the last one stays, with the notice.
  const Shot& page299 = result.shot("page299");
  EXPECT_EQ(pixel(page299, probe_x, probe_y), page_colour(10));
  EXPECT_GT(no_picture_text_pixels(page299), 20);
  EXPECT_EQ(no_picture_text_pixels(result.shot("wrapped")), 0);
  EXPECT_EQ(pixel(result.shot("wrapped"), probe_x, probe_y), page_colour(10));
}

TEST_F(BadBookTest, AMissingPictureLeavesTheLastOneOnScreenWithoutTheNotice) {
  make_book(2);
  book.picture[2] = 57;  // never written
  const RunResult result = run(Script().left().forward().shot("missing"));
  EXPECT_EQ(pixel(result.shot("missing"), probe_x, probe_y), page_colour(10));
  EXPECT_EQ(no_picture_text_pixels(result.shot("missing")), 0);
}

TEST_F(BadBookTest, AMissingBoxPictureDrawsNothing) {
  make_book(1);
  give_box(1, 1, 40, 300, 200);
  give_box(1, 2, 48, 500, 200);
  book.box2[1] = 58;  // never written
  const RunResult result = run(Script().left().shot("page"));
  EXPECT_EQ(pixel(result.shot("page"), 350, 240), box_colour(40));
  EXPECT_EQ(pixel(result.shot("page"), 550, 240), page_colour(10));
}

TEST_F(BadBookTest, AnUnreadableConfigurationEndsQuietlyThroughTheExitPath) {
  namespace fs = std::filesystem;
  const fs::path configuration = folder_.dir() / "lurinf.bin";
  make_book(1);
  const std::pair<const char*, void (*)(const fs::path&)> cases[] = {
      {"empty", [](const fs::path& p) { test_support::write_file(p, ""); }},
      {"every read fails", [](const fs::path& p) { fs::create_symlink("/proc/self/mem", p); }},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
  };
  platform::headless::clear_message_boxes();
  for (const auto& [what, make] : cases) {
    SCOPED_TRACE(what);
    fs::remove_all(configuration);
    make(configuration);
    const RunResult result = run(Script().shot("never").left());
    EXPECT_FALSE(result.has_shot("never"));
    EXPECT_FALSE(result.outlived);
    EXPECT_TRUE(result.display_released);
    EXPECT_TRUE(platform::headless::message_boxes().empty());
  }
}

}  // namespace
}  // namespace reader_test
