// Whole files in memory, read or mapped by size, found as Windows names are.
#include "platform/files/whole_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/temp_dir.h"

namespace {

using platform::largest_read_file;
using platform::WholeFile;

std::string patterned(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 255);
  return bytes;
}

TEST(WholeFile, ReadAndMappedFilesHoldExactlyTheirBytesAndOutliveAMove) {
  test_support::TempDir dir;
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, largest_read_file, largest_read_file + 1}) {
    SCOPED_TRACE(size);
    const std::string bytes = patterned(size);
    dir.write("f.bin", bytes);
    auto opened = WholeFile::read(dir.file("F.BIN"));
    ASSERT_TRUE(opened);
    const WholeFile moved(std::move(*opened));
    ASSERT_EQ(moved.size(), size);
    EXPECT_TRUE(std::equal(moved.bytes().begin(), moved.bytes().end(), bytes.begin(), bytes.end(),
                           [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); }));
  }
}

TEST(WholeFile, AMissingFileAndAFolderAreNoFile) {
  test_support::TempDir dir;
  std::filesystem::create_directory(dir.path() / "ordner.bin");
  for (const char* name : {"missing.bin", "ordner.bin", "ORDNER.BIN"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(WholeFile::read(dir.file(name)));
    EXPECT_FALSE(platform::file_opens_for_reading(dir.file(name)));
  }
  dir.write("da.bin", "");
  EXPECT_TRUE(platform::file_opens_for_reading(dir.file("DA.BIN")));
}

}  // namespace
