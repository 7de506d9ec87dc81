#include "platform/files/file_lookup.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

using platform::find_file;
using platform::path_for_writing;
using test_support::ScopedWorkingDir;
using test_support::TempDir;

TEST(FileLookup, ExactNameIsFoundAsIs) {
  TempDir dir;
  dir.write("acs00001.BMP", "x");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_EQ(find_file("acs00001.BMP"), "acs00001.BMP");
}

TEST(FileLookup, AnyLetterCaseFindsTheFile) {
  TempDir dir;
  dir.write("BILDER/ACS00001.BMP", "x");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_EQ(find_file("bilder/acs00001.bmp"), "BILDER/ACS00001.BMP");
  EXPECT_EQ(find_file("Bilder/Acs00001.Bmp"), "BILDER/ACS00001.BMP");
  EXPECT_FALSE(find_file("bilder/acs00002.bmp"));
  EXPECT_FALSE(find_file(""));
  EXPECT_TRUE(platform::look_up_file("bilder/acs00001.bmp")->by_letter_case);
  EXPECT_FALSE(platform::look_up_file("BILDER/ACS00001.BMP")->by_letter_case);
}

TEST(FileLookup, BackslashSeparatesFoldersAndDriveLettersAreDropped) {
  TempDir dir;
  dir.write("buch/bilder/acs00001.BMP", "x");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_EQ(find_file("BUCH\\BILDER\\ACS00001.BMP"), "buch/bilder/acs00001.BMP");
  EXPECT_EQ(find_file("C:\\BUCH\\BILDER\\acs00001.bmp"), "buch/bilder/acs00001.BMP");
  EXPECT_FALSE(platform::look_up_file("C:\\buch\\bilder\\acs00001.BMP")->by_letter_case);
  EXPECT_EQ(find_file(".\\buch\\..\\buch\\bilder\\ACS00001.bmp"), "./buch/../buch/bilder/acs00001.BMP");
}

TEST(FileLookup, ExactSpellingWinsThenFirstInByteOrder) {
  TempDir dir;
  dir.write("book.dat", "a");
  dir.write("BOOK.DAT", "b");
  dir.write("Book.dat", "c");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_EQ(find_file("Book.dat"), "Book.dat");
  EXPECT_EQ(find_file("bOOK.DAT"), "BOOK.DAT");  // 'B' sorts before 'b'
}

TEST(FileLookup, WritingReplacesTheFoundFileOrKeepsTheBuiltName) {
  TempDir dir;
  dir.write("Buch/BUCH.DAT", "old");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_EQ(path_for_writing("buch\\buch.dat"), "Buch/BUCH.DAT");
  EXPECT_EQ(path_for_writing("BUCH\\Neu.Dat"), "Buch/Neu.Dat");
  EXPECT_EQ(path_for_writing("fehlt\\neu.dat"), "fehlt/neu.dat");
}

TEST(FileLookup, AFolderIsNeverAFile) {
  TempDir dir;
  dir.write("buch/acst1.DAT/inhalt", "x");
  ScopedWorkingDir cwd(dir.path());
  EXPECT_FALSE(find_file("buch/acst1.DAT"));
  EXPECT_FALSE(find_file("BUCH\\ACST1.DAT"));
  EXPECT_FALSE(find_file("buch"));
  EXPECT_EQ(find_file("BUCH\\acst1.dat\\INHALT"), "buch/acst1.DAT/inhalt");
}
