// Text pages as the reader sees them: Windows line ends, missing files and short headers.
#include "reader_fixture.h"

namespace reader_test {
namespace {

constexpr Rgb text_colour{255, 255, 0};

std::string text_file(const std::string& line_end) {
  std::string text;
  for (const char* header : {"200", "150", "2", "255", "255", "0"}) text += header + line_end;
  text += std::string(60, 'A') + line_end;
  text += line_end;  // an empty line moves down by the blank step only
  text += "ZWEITE ZEILE, UND " + std::string(40, 'x') + line_end;
  text += "#" + line_end;
  text += "NOT SHOWN" + line_end;
  return text;
}

class TextPagesTest : public ReaderTest {
 protected:
  void SetUp() override { make_book(2); }
  static int error_text_pixels(const Shot& shot) { return count_of(shot, white, 10, 10, 120, 16); }
};

TEST_F(TextPagesTest, LinesEndedByCarriageReturnAndLineFeedLookLikeLineFeedOnes) {
  book.picture[2] = book.picture[1];
  book.text_file[1] = 5;
  book.text_file[2] = 6;
  folder_.write_text_page(5, text_file("\n"));
  folder_.write_text_page(6, text_file("\r\n"));
  const RunResult result = run(Script().left().shot("line_feed").forward().shot("carriage_return"));
  EXPECT_GT(count_of(result.shot("line_feed"), text_colour, 200, 150, 800, 80), 500);
  EXPECT_TRUE(same_frame(result.shot("line_feed"), result.shot("carriage_return")));
}

TEST_F(TextPagesTest, AMissingTextFileShowsErrorOne) {
  book.text_file[1] = 7;
  const RunResult result = run(Script().left().shot("page"));
  EXPECT_GT(error_text_pixels(result.shot("page")), 30);
  EXPECT_FALSE(result.outlived);
}

TEST_F(TextPagesTest, AHeaderCutShortShowsNothingAndNoError) {
  book.text_file[1] = 8;
  folder_.write_text_page(8, "100\n200\n");
  const RunResult result = run(Script().left().shot("page"));
  EXPECT_TRUE(filled_with(result.shot("page"), page_colour(10), 0, 0, platform::screen_width, 700));
}

}  // namespace
}  // namespace reader_test
