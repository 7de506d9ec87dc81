#include "platform/files/text_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"

using platform::TextReader;
using test_support::ScopedWorkingDir;
using test_support::TempDir;

namespace {

std::string next(TextReader& reader, int size = 255) {
  char buffer[300] = "<untouched>";
  return reader.read_line(buffer, size) ? std::string(buffer) : "<end>";
}

}  // namespace

TEST(TextReader, CrLfReadsAsLfAndALoneCrStays) {
  TempDir dir;
  dir.write("t.txt", "eins\r\nzwei\rdrei\nvier\r\n\r\nletzte");
  ScopedWorkingDir cwd(dir.path());
  TextReader reader("T.TXT");
  ASSERT_TRUE(reader.is_open());
  EXPECT_EQ(next(reader), "eins\n");
  EXPECT_EQ(next(reader), "zwei\rdrei\n");
  EXPECT_EQ(next(reader), "vier\n");
  EXPECT_EQ(next(reader), "\n");
  EXPECT_EQ(next(reader), "letzte");
  EXPECT_EQ(next(reader), "<end>");
  EXPECT_FALSE(reader.error());
}

TEST(TextReader, EndOfFileLeavesTheBufferAsItWas) {
  TempDir dir;
  dir.write("t.txt", "nur\n");
  ScopedWorkingDir cwd(dir.path());
  TextReader reader("t.txt");
  char buffer[16] = {};
  ASSERT_TRUE(reader.read_line(buffer, sizeof buffer));
  EXPECT_FALSE(reader.read_line(buffer, sizeof buffer));
  EXPECT_STREQ(buffer, "nur\n");
}

TEST(TextReader, LongLinesContinueAsTheNextRead) {
  TempDir dir;
  dir.write("t.txt", "abcdefgh\n");
  ScopedWorkingDir cwd(dir.path());
  TextReader reader("t.txt");
  EXPECT_EQ(next(reader, 5), "abcd");
  EXPECT_EQ(next(reader, 5), "efgh");
  EXPECT_EQ(next(reader, 5), "\n");
}

TEST(TextReader, TheFirstCtrlZEndsTheFile) {
  TempDir dir;
  dir.write("t.txt", "eins\r\nzw\x1A" "ei\ndrei\n");
  dir.write("u.txt", "nur\r\x1A");
  ScopedWorkingDir cwd(dir.path());
  TextReader reader("t.txt");
  EXPECT_EQ(next(reader), "eins\n");
  EXPECT_EQ(next(reader), "zw");
  EXPECT_EQ(next(reader), "<end>");
  EXPECT_EQ(next(reader), "<end>");
  TextReader cr("u.txt");
  EXPECT_EQ(next(cr), "nur\r");
  EXPECT_EQ(next(cr), "<end>");
  EXPECT_FALSE(cr.error());
}

TEST(TextReader, MissingFilesAndFoldersDoNotOpenAndReadErrorsShow) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "ordner");
  // A file every read of which fails.
  std::filesystem::create_symlink("/proc/self/mem", dir.path() / "kaputt");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_FALSE(TextReader("fehlt.txt").is_open());
  EXPECT_FALSE(TextReader("ordner").is_open());
  EXPECT_FALSE(TextReader("ORDNER").is_open());
  TextReader broken("kaputt");
  ASSERT_TRUE(broken.is_open());
  char buffer[8];
  EXPECT_FALSE(broken.read_line(buffer, sizeof buffer));
  EXPECT_TRUE(broken.error());
}
