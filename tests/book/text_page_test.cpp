#include "book/text_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>

#include "support/temp_dir.h"
#include "support/text_page_file.h"

using test_support::ScopedWorkingDir;
using test_support::TempDir;

namespace {

class TextPageTest : public ::testing::Test {
 protected:
  void SetUp() override { reset_text_page(); }

  std::int32_t load(const std::string& contents) {
    dir_.write("acst1.DAT", contents);
    ScopedWorkingDir cwd(dir_.path());
    return load_text_page("acst1.DAT");
  }

  TempDir dir_;
};

std::string numbered_lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Zeile " + std::to_string(i) + "\n";
  return text;
}

}  // namespace

TEST_F(TextPageTest, ReadsTheHeaderAndKeepsEachLineWithItsLineEnd) {
  EXPECT_EQ(load(test_support::text_page_header(100, -20, 2, 255, 128, 7) + "Es war einmal\n\n  ein Igel\n#\nnicht mehr\n"),
            text_page_read);
  EXPECT_EQ(text_page.text_x, 100);
  EXPECT_EQ(text_page.text_y, -20);
  EXPECT_EQ(text_page.text_size, 2);
  EXPECT_EQ(text_page.text_red, 255);
  EXPECT_EQ(text_page.text_green, 128);
  EXPECT_EQ(text_page.text_blue, 7);
  ASSERT_EQ(text_page.text_line_count, 3);
  EXPECT_STREQ(text_page.text_lines[0], "Es war einmal\n");
  EXPECT_STREQ(text_page.text_lines[1], "\n");
  EXPECT_STREQ(text_page.text_lines[2], "  ein Igel\n");
}

TEST_F(TextPageTest, AHashLineRightAfterTheHeaderGivesNoLines) {
  text_page.text_line_count = 5;  // left from an earlier page
  EXPECT_EQ(load(test_support::text_page_header(1, 2, 3, 4, 5, 6) + "# Ende\nText\n"), text_page_read);
  EXPECT_EQ(text_page.text_line_count, 0);
}

TEST_F(TextPageTest, LongLinesAreCutAndOneReadTakesAtMost499Characters) {
  const std::string long_line(600, 'a');
  EXPECT_EQ(load(test_support::text_page_header(0, 0, 1, 0, 0, 0) + std::string(100, 'x') + "\n" + long_line + "\n"), text_page_read);
  ASSERT_EQ(text_page.text_line_count, 3);
  EXPECT_EQ(std::string(text_page.text_lines[0]), std::string(78, 'x'));
  EXPECT_EQ(std::string(text_page.text_lines[1]), std::string(78, 'a'));
  EXPECT_EQ(std::string(text_page.text_lines[2]), std::string(78, 'a'));  // the 101 after the first 499

  // The rest of a long line is a line of its own, so it can end the text.
  EXPECT_EQ(load(test_support::text_page_header(0, 0, 1, 0, 0, 0) + std::string(499, 'a') + "#rest\nmehr\n"), text_page_read);
  EXPECT_EQ(text_page.text_line_count, 1);
}

TEST_F(TextPageTest, StoresAtMostFortyLines) {
  EXPECT_EQ(load(test_support::text_page_header(0, 0, 1, 0, 0, 0) + numbered_lines(45)), text_page_read);
  ASSERT_EQ(text_page.text_line_count, text_line_capacity);
  EXPECT_STREQ(text_page.text_lines[39], "Zeile 40\n");
}

TEST_F(TextPageTest, ALastLineWithoutLineEndIsStoredWithoutOne) {
  EXPECT_EQ(load(test_support::text_page_header(0, 0, 1, 0, 0, 0) + "Anfang\nEnde"), text_page_read);
  ASSERT_EQ(text_page.text_line_count, 2);
  EXPECT_STREQ(text_page.text_lines[1], "Ende");
}

TEST_F(TextPageTest, CrLfFilesGiveExactlyWhatLfFilesGive) {
  const std::string lf =
      test_support::text_page_header(30, 40, 3, 10, 20, 30) + "eins\n\nzwei\rdrei\n" + std::string(90, 'z') + "\n#\n";
  ASSERT_EQ(load(lf), text_page_read);
  const TextPage from_lf = text_page;
  reset_text_page();
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  ASSERT_EQ(load(crlf), text_page_read);
  EXPECT_EQ(text_page.text_x, from_lf.text_x);
  EXPECT_EQ(text_page.text_blue, from_lf.text_blue);
  ASSERT_EQ(text_page.text_line_count, from_lf.text_line_count);
  for (int i = 0; i < text_page.text_line_count; ++i)
    EXPECT_STREQ(text_page.text_lines[i], from_lf.text_lines[i]) << "line " << i;
  EXPECT_STREQ(text_page.text_lines[2], "zwei\rdrei\n");  // a lone CR is a character
}

TEST_F(TextPageTest, HeaderLinesTheFileDoesNotReachReadAsZero) {
  text_page.text_size = 3;
  text_page.text_blue = 99;
  EXPECT_EQ(load("12\n34\n"), text_page_read);
  EXPECT_EQ(text_page.text_x, 12);
  EXPECT_EQ(text_page.text_y, 34);
  EXPECT_EQ(text_page.text_size, 0);
  EXPECT_EQ(text_page.text_blue, 0);
  EXPECT_EQ(text_page.text_line_count, 0);
  EXPECT_EQ(load(""), text_page_read);
  EXPECT_EQ(text_page.text_x, 0);
}

TEST_F(TextPageTest, HeaderNumbersSaturateAndTakeTheUsualDecimalForm) {
  EXPECT_EQ(load("99999999999999\n-99999999999999\n  +2x\nrot\n256\n-1\n"), text_page_read);
  EXPECT_EQ(text_page.text_x, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(text_page.text_y, std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(text_page.text_size, 2);
  EXPECT_EQ(text_page.text_red, 0);
  EXPECT_EQ(text_page.text_green, 256);
  EXPECT_EQ(text_page.text_blue, -1);
}

TEST_F(TextPageTest, MissingFilesAndFoldersAreNotOpenedAndAReadErrorIsReported) {
  text_page.text_line_count = 7;
  std::filesystem::create_directory(dir_.path() / "acst3.DAT");
  std::filesystem::create_symlink("/proc/self/mem", dir_.path() / "acst4.DAT");  // every read fails
  ScopedWorkingDir cwd(dir_.path());
  EXPECT_EQ(load_text_page("acst2.DAT"), text_page_not_opened);
  EXPECT_EQ(load_text_page("acst3.DAT"), text_page_not_opened);
  EXPECT_EQ(text_page.text_line_count, 7);  // an unopened file leaves the record alone
  EXPECT_EQ(load_text_page("acst4.DAT"), text_page_read_error);
}

TEST_F(TextPageTest, ACtrlZEndsTheText) {
  EXPECT_EQ(load(test_support::text_page_header(1, 2, 3, 4, 5, 6) + "eins\nzwei\x1A" "drei\n#\n"), text_page_read);
  ASSERT_EQ(text_page.text_line_count, 2);
  EXPECT_STREQ(text_page.text_lines[1], "zwei");
  EXPECT_EQ(load("12\n\x1A" "34\n"), text_page_read);
  EXPECT_EQ(text_page.text_y, 0);
}

TEST(TextFileName, JoinsPrefixAndDecimalNumberAndRefusesWhatDoesNotFit) {
  char name[text_file_name_room + 1];
  ASSERT_TRUE(build_text_file_name("acst", 12, name));
  EXPECT_STREQ(name, "acst12.DAT");
  ASSERT_TRUE(build_text_file_name("texte\\t", std::numeric_limits<std::int32_t>::min(), name));
  EXPECT_STREQ(name, "texte\\t-2147483648.DAT");

  const std::string fits(text_file_name_room - 5, 'p');  // + "1.DAT"
  ASSERT_TRUE(build_text_file_name(fits.c_str(), 1, name));
  EXPECT_EQ(std::string(name), fits + "1.DAT");
  EXPECT_FALSE(build_text_file_name(fits.c_str(), 10, name));
  EXPECT_STREQ(name, "");
}
