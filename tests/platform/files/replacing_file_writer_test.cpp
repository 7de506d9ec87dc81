#include "platform/files/replacing_file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

using platform::FileOutputFaults;
using platform::ReplacingFileWriter;
using test_support::TempDir;

namespace {

class ReplacingFileWriterTest : public ::testing::Test {
 protected:
  void TearDown() override { platform::set_file_output_faults({}); }

  bool write_three(const std::string& path) {
    ReplacingFileWriter writer;
    if (!writer.open(path)) return false;
    writer.write("neu", 3);
    writer.write("-", 1);
    writer.write("daten", 5);
    return writer.commit();
  }

  int files_in(const TempDir& dir) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++n;
    return n;
  }
};

}  // namespace

TEST_F(ReplacingFileWriterTest, ReplacesTheFileAndKeepsItsMode) {
  TempDir dir;
  dir.write("b.dat", "alt");
  ::chmod(dir.file("b.dat").c_str(), 0640);
  ASSERT_TRUE(write_three(dir.file("b.dat")));
  EXPECT_EQ(dir.read("b.dat"), "neu-daten");
  struct stat st;
  ::stat(dir.file("b.dat").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(files_in(dir), 1);
}

TEST_F(ReplacingFileWriterTest, CreatesANewFile) {
  TempDir dir;
  ASSERT_TRUE(write_three(dir.file("neu.dat")));
  EXPECT_EQ(dir.read("neu.dat"), "neu-daten");
}

TEST_F(ReplacingFileWriterTest, EveryInjectedFailureKeepsTheOldFileAndLeavesNoTemporary) {
  const FileOutputFaults cases[] = {
      {1, false, false}, {2, false, false}, {3, false, false}, {0, true, false}, {0, false, true}};
  for (const auto& fault : cases) {
    TempDir dir;
    dir.write("b.dat", "alt");
    platform::set_file_output_faults(fault);
    EXPECT_FALSE(write_three(dir.file("b.dat")));
    EXPECT_EQ(dir.read("b.dat"), "alt");
    EXPECT_EQ(files_in(dir), 1);
  }
}

TEST_F(ReplacingFileWriterTest, RefusesReadOnlyFilesReadOnlyFoldersAndMissingFolders) {
  TempDir dir;
  dir.write("b.dat", "alt");
  ::chmod(dir.file("b.dat").c_str(), 0444);
  EXPECT_FALSE(write_three(dir.file("b.dat")));
  EXPECT_EQ(dir.read("b.dat"), "alt");
  EXPECT_FALSE(write_three(dir.file("fehlt/b.dat")));

  // The mode bits decide, also for root.
  dir.write("nur-lesen/b.dat", "alt");
  ::chmod(dir.file("nur-lesen").c_str(), 0555);
  EXPECT_FALSE(write_three(dir.file("nur-lesen/b.dat")));
  EXPECT_FALSE(write_three(dir.file("nur-lesen/neu.dat")));
  ::chmod(dir.file("nur-lesen").c_str(), 0755);
  EXPECT_EQ(dir.read("nur-lesen/b.dat"), "alt");
  EXPECT_FALSE(std::filesystem::exists(dir.file("nur-lesen/neu.dat")));
}

TEST_F(ReplacingFileWriterTest, RemovesWhatKilledWritersOfTheSameFileLeftBehind) {
  TempDir dir;
  for (const char* leftover : {"b.dat.saving-a1B2c3", "b.dat.saving-ZZZZZZ"}) dir.write(leftover, "halb");
  for (const char* other : {"a.dat.saving-a1B2c3", "b.dat.saving-sieben7", "b.dat.tmp-a1B2c3"}) dir.write(other, "x");
  ASSERT_TRUE(write_three(dir.file("b.dat")));
  EXPECT_EQ(files_in(dir), 4);
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.dat.saving-a1B2c3")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("b.dat.saving-ZZZZZZ")));
}

TEST_F(ReplacingFileWriterTest, AnUncommittedWriterRemovesItsTemporary) {
  TempDir dir;
  {
    ReplacingFileWriter writer;
    ASSERT_TRUE(writer.open(dir.file("b.dat")));
    writer.write("x", 1);
  }
  EXPECT_EQ(files_in(dir), 0);
}

// A page keeps what it is told was saved: a failed save must not be reported as one.
TEST_F(ReplacingFileWriterTest, OnlyACommittedFileIsReportedReplaced) {
  static std::vector<std::string> replaced;
  replaced.clear();
  platform::set_file_replaced_hook([](const std::string& path) { replaced.push_back(path); });
  TempDir dir;
  platform::set_file_output_faults({.fail_rename = true});
  EXPECT_FALSE(write_three(dir.file("b.dat")));
  platform::set_file_output_faults({});
  EXPECT_TRUE(write_three(dir.file("b.dat")));
  platform::set_file_replaced_hook(nullptr);
  EXPECT_EQ(replaced, std::vector<std::string>{dir.file("b.dat")});
}
