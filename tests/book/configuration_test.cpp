#include "book/configuration.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

using test_support::ScopedWorkingDir;
using test_support::TempDir;

namespace {

class ConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_configuration();
    set_default_names();
  }

  std::int32_t read(const std::string& contents) {
    dir_.write("lurinf.bin", contents);
    ScopedWorkingDir cwd(dir_.path());
    return read_configuration("lurinf.bin");
  }

  TempDir dir_;
};

const char* const seven_lines =
    "bilder\\acs\nboxen\\acb\ntoene\\bsou\nBUCH.DAT\nDer kleine Igel\nEine Geschichte\n100\n";

}  // namespace

TEST_F(ConfigurationTest, ReadsTheSevenLinesAndDerivesTheTextPrefix) {
  EXPECT_EQ(read(seven_lines), 16);  // line 6 with its line end
  EXPECT_STREQ(config.picture_prefix, "bilder\\acs");
  EXPECT_STREQ(config.text_file_prefix, "bilder\\acst");
  EXPECT_STREQ(config.box_picture_prefix, "boxen\\acb");
  EXPECT_STREQ(config.sound_prefix, "toene\\bsou");
  EXPECT_STREQ(config.book_file_name, "BUCH.DAT");
  EXPECT_STREQ(config.title_line1, "Der kleine Igel");
  EXPECT_STREQ(config.title_line2, "Eine Geschichte");
  EXPECT_EQ(config.title_music, 100);
  EXPECT_STREQ(config.backup_file_name, "SCR0.BIX");
}

TEST_F(ConfigurationTest, CrLfLinesGiveExactlyWhatLfLinesGive) {
  const std::int32_t lf_result = read(seven_lines);
  const Configuration lf = config;
  SetUp();
  std::string crlf;
  for (const char c : std::string(seven_lines)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(read(crlf), lf_result);
  EXPECT_STREQ(config.picture_prefix, lf.picture_prefix);
  EXPECT_STREQ(config.text_file_prefix, lf.text_file_prefix);
  EXPECT_STREQ(config.sound_prefix, lf.sound_prefix);
  EXPECT_STREQ(config.book_file_name, lf.book_file_name);
  EXPECT_STREQ(config.title_line2, lf.title_line2);
  EXPECT_EQ(config.title_music, lf.title_music);
}

TEST_F(ConfigurationTest, EachMissingLineRepeatsTheLineBefore) {
  EXPECT_EQ(read("a\nb\nc\n"), 2);
  EXPECT_STREQ(config.picture_prefix, "a");
  EXPECT_STREQ(config.sound_prefix, "c");
  EXPECT_STREQ(config.book_file_name, "c");
  EXPECT_STREQ(config.title_line2, "c");
  EXPECT_EQ(config.title_music, 0);
  SetUp();
  read("a\nb\nc\nd\ne\nf\n");  // line 7 missing: converted from line 6's text
  EXPECT_EQ(config.title_music, 0);
  SetUp();
  read("a\nb\nc\nd\ne\n 42\n");
  EXPECT_EQ(config.title_music, 42);
}

TEST_F(ConfigurationTest, TheLastCharacterIsCutEvenWithoutALineEnd) {
  read("acs\nx\n\nbuch.dat\nT1\nT2\n12abc");
  EXPECT_STREQ(config.box_picture_prefix, "x");  // only the line end is cut
  EXPECT_STREQ(config.sound_prefix, "");        // an empty line
  EXPECT_EQ(config.title_music, 12);
  SetUp();
  read("acs\nacb\nbsou\nbuch.dat");  // the file ends inside line 4
  EXPECT_STREQ(config.book_file_name, "buch.da");
  EXPECT_STREQ(config.title_line2, "buch.da");
}

TEST_F(ConfigurationTest, BlanksStayAndNegativeMusicMeansNone) {
  read(" acs \nacb\nbsou\nb.dat\n  Titel  \nT2\n-5\n");
  EXPECT_STREQ(config.picture_prefix, " acs ");
  EXPECT_STREQ(config.title_line1, "  Titel  ");
  EXPECT_EQ(config.title_music, -5);
}

TEST_F(ConfigurationTest, OverlongLinesAreCutToTheirFieldsRoom) {
  const std::string long_line(250, 'x');
  std::string contents;
  for (int i = 0; i < 6; ++i) contents += long_line + "\n";
  contents += "99999999999999999999\n";
  read(contents);
  EXPECT_EQ(std::string(config.picture_prefix), std::string(78, 'x'));
  EXPECT_EQ(std::string(config.text_file_prefix), std::string(78, 'x') + "t");
  EXPECT_EQ(std::string(config.sound_prefix), std::string(79, 'x'));
  EXPECT_EQ(std::string(config.book_file_name), std::string(250, 'x'));
  EXPECT_EQ(std::string(config.title_line1), std::string(159, 'x'));
  EXPECT_EQ(config.title_music, 2147483647);
}

TEST_F(ConfigurationTest, LinesLongerThanTheReadBufferContinueAsTheNextLine) {
  const std::string line(300, 'y');  // 254 characters are read, the rest is the next line
  read(line + "\nacb\n");
  EXPECT_EQ(std::string(config.picture_prefix), std::string(78, 'y'));
  EXPECT_EQ(std::string(config.box_picture_prefix), std::string(46, 'y'));
  EXPECT_STREQ(config.sound_prefix, "acb");
}

TEST_F(ConfigurationTest, FailuresAreNegative) {
  {
    ScopedWorkingDir cwd(dir_.path());
    EXPECT_EQ(read_configuration("lurinf.bin"), -1);
  }
  EXPECT_EQ(read(""), -2);
  EXPECT_EQ(read("\x1A" "acs\n"), -2);  // nothing before the end of the file
  std::filesystem::remove(dir_.path() / "lurinf.bin");
  std::filesystem::create_symlink("/proc/self/mem", dir_.path() / "lurinf.bin");  // every read fails
  ScopedWorkingDir cwd(dir_.path());
  EXPECT_EQ(read_configuration("lurinf.bin"), -2);
  std::filesystem::remove(dir_.path() / "lurinf.bin");
  std::filesystem::create_directory(dir_.path() / "lurinf.bin");  // a folder is a missing file
  EXPECT_EQ(read_configuration("lurinf.bin"), -1);
}

TEST_F(ConfigurationTest, ACtrlZEndsTheFile) {
  EXPECT_EQ(read("acs\nacb\nbsou\nb.dat\nT1\nT2\n7\n\x1A"), 3);
  EXPECT_EQ(config.title_music, 7);
  SetUp();
  read("acs\nacb\nbsou\nb.dat\x1A" "T1\nT2\n7\n");  // the rest repeats line 4 without its last character
  EXPECT_STREQ(config.book_file_name, "b.da");
  EXPECT_STREQ(config.title_line2, "b.da");
  EXPECT_EQ(config.title_music, 0);
}

TEST_F(ConfigurationTest, TheFileIsFoundInAnyLetterCase) {
  dir_.write("LURINF.BIN", "acs\nacb\nbsou\nb.dat\nT1\nT2\n7\n");
  ScopedWorkingDir cwd(dir_.path());
  EXPECT_GE(read_configuration("lurinf.bin"), 0);
  EXPECT_EQ(config.title_music, 7);
}
