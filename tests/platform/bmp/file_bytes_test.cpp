// Whole files in memory, read or mapped by size.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/bmp/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using platform::FileBytes;
using platform::largest_read_file;

std::string patterned(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 255);
  return bytes;
}

TEST(FileBytes, ReadAndMappedFilesHoldExactlyTheirBytesAndOutliveAMove) {
  test_support::TempDir dir;
  for (const std::size_t size : {std::size_t{1}, largest_read_file, largest_read_file + 1}) {
    SCOPED_TRACE(size);
    const std::string bytes = patterned(size);
    dir.write("f.bin", bytes);
    auto opened = FileBytes::open(dir.file("f.bin"));
    ASSERT_TRUE(opened);
    const FileBytes moved(std::move(*opened));
    ASSERT_EQ(moved.size(), size);
    EXPECT_EQ(std::memcmp(moved.data(), bytes.data(), size), 0);
  }
}

TEST(FileBytes, MissingEmptyOrNotARegularFileGivesNothing) {
  test_support::TempDir dir;
  dir.write("empty.bin", "");
  EXPECT_FALSE(FileBytes::open(dir.file("missing.bin")));
  EXPECT_FALSE(FileBytes::open(dir.file("empty.bin")));
  EXPECT_FALSE(FileBytes::open(dir.path().string()));
}

}  // namespace
