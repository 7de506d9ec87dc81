#include "book/book_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "book/configuration.h"
#include "book/page_table.h"
#include "platform/files/replacing_file_writer.h"
#include "screens/editor_state/editor_state.h"
#include "support/le_bytes.h"
#include "support/temp_dir.h"

using test_support::ScopedWorkingDir;
using test_support::TempDir;

namespace {

// The program's state right after start-up has cleared the table, before the book is loaded.
void start_fresh(const char* book_name) {
  reset_page_table();
  reset_configuration();
  reset_editor_state();
  set_default_names();
  copy_text_field(config.book_file_name, book_file_name_room, book_name, static_cast<int>(std::strlen(book_name)));
  pages.default_box1_x = 100;
  pages.default_box1_y = 100;
  clear_page_table();
  pages.start_page = 1;
  pages.page_count = 1;
  pages.current_page = 1;
}

// Every saved array gets values that differ per field and per page.
void fill_every_field() {
  for (int i = 0; i < page_capacity; ++i) {
    std::int32_t* arrays[] = {pages.picture, pages.box1, pages.wave, pages.level, pages.box1_x,
                              pages.box1_y, pages.box2, pages.box2_x, pages.box2_y, pages.box3,
                              pages.box3_x, pages.box3_y, pages.back_sound, pages.back_transition,
                              pages.forward_transition, pages.text_file};
    for (int f = 0; f < 16; ++f) arrays[f][i] = (f + 1) * 100000 + i * (f % 2 ? -1 : 1);
    pages.mark[i] = static_cast<std::uint8_t>(i % 5);
  }
  pages.start_page = 17;
  pages.page_count = 250;
}

std::int32_t le32(const std::string& bytes, std::size_t offset) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(bytes[offset + k]);
  return static_cast<std::int32_t>(v);
}

class BookFileTest : public ::testing::Test {
 protected:
  void SetUp() override { start_fresh("BUCH.DAT"); }
  void TearDown() override { platform::set_file_output_faults({}); }
  TempDir dir_;
};

}  // namespace

TEST_F(BookFileTest, AnEmptyBookSavesInTheFixedLayout) {
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  const std::string bytes = dir_.read("BUCH.DAT");
  ASSERT_EQ(bytes.size(), 19508u);
  EXPECT_EQ(le32(bytes, 0), 1);                 // start_page
  EXPECT_EQ(le32(bytes, 4), 1);                 // page_count
  EXPECT_EQ(le32(bytes, 8 + 4 * 299), 0);       // picture
  EXPECT_EQ(bytes[4808], 0);                    // mark is one byte a page
  EXPECT_EQ(le32(bytes, 5108), 100);            // box1_x
  EXPECT_EQ(le32(bytes, 8708), 750);            // box2_x
  EXPECT_EQ(le32(bytes, 9908 + 4 * 5), 180);    // box2_y
  EXPECT_EQ(le32(bytes, 12308), 50);            // box3_x
  EXPECT_EQ(le32(bytes, 15908 + 4 * 7), 1);     // back_transition
  EXPECT_EQ(le32(bytes, 17108 + 4 * 299), 1);   // forward_transition
  EXPECT_EQ(le32(bytes, 18308), 0);             // text_file
}

TEST_F(BookFileTest, SaveThenLoadRestoresEverySavedArrayByteForByte) {
  fill_every_field();
  pages.wave_played[3] = 1;
  std::uint8_t saved[book_file_size];
  encode_book(saved, book_file_size);
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  EXPECT_EQ(std::memcmp(dir_.read("BUCH.DAT").data(), saved, book_file_size), 0);

  start_fresh("buch.dat");  // found in another letter case
  ASSERT_EQ(load_book(), 0);
  std::uint8_t loaded[book_file_size];
  encode_book(loaded, book_file_size);
  EXPECT_EQ(pages.start_page, 1);  // the stored 17 has no effect
  EXPECT_EQ(std::memcmp(loaded + 4, saved + 4, book_file_size - 4), 0);
  EXPECT_EQ(pages.wave_played[3], 0);
  EXPECT_EQ(pages.current_page, 1);
  EXPECT_EQ(pages.shown_box1, pages.box1[1]);
}

TEST_F(BookFileTest, AShortFileLoadsAsFarAsItReaches) {
  fill_every_field();
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  std::string bytes = dir_.read("BUCH.DAT");
  dir_.write("BUCH.DAT", bytes.substr(0, 1208 + 6));  // into the second number of box1

  start_fresh("BUCH.DAT");
  ASSERT_EQ(load_book(), 0);
  EXPECT_EQ(pages.page_count, 250);
  EXPECT_EQ(pages.picture[299], 100000 + 299);
  EXPECT_EQ(pages.box1[0], 200000);
  // Two bytes of box1[1] came from the file, the upper two kept the cleared 0.
  EXPECT_EQ(pages.box1[1], (200000 - 1) & 0xFFFF);
  EXPECT_EQ(pages.box1[2], 0);
  EXPECT_EQ(pages.box2_x[10], 750);
  EXPECT_EQ(pages.forward_transition[10], 1);
}

TEST_F(BookFileTest, PageCountOutsideTheTableIsClampedOnLoad) {
  ScopedWorkingDir cwd(dir_.path());
  for (const auto& [stored, expected] : {std::pair{0, 1}, {-4, 1}, {5000, 299}, {299, 299}}) {
    pages.page_count = stored;
    ASSERT_EQ(save_book(), 0);
    start_fresh("BUCH.DAT");
    ASSERT_EQ(load_book(), 0);
    EXPECT_EQ(pages.page_count, expected) << "stored " << stored;
  }
}

TEST_F(BookFileTest, AMissingBookOrAFolderLeavesTheTableAndReturnsOne) {
  ScopedWorkingDir cwd(dir_.path());
  pages.picture[1] = 5;
  pages.current_page = 3;
  EXPECT_EQ(load_book(), 1);
  std::filesystem::create_directory(dir_.path() / "buch.dat");
  EXPECT_EQ(load_book(), 1);
  EXPECT_EQ(save_book(), 1);
  EXPECT_EQ(pages.picture[1], 5);
  EXPECT_EQ(pages.current_page, 3);
  EXPECT_EQ(pages.page_count, 1);
}

TEST_F(BookFileTest, EveryFileOperationFirstResetsTheEditor) {
  ScopedWorkingDir cwd(dir_.path());
  for (auto operation : {&load_book, &save_book, &write_backup}) {
    editor.editor_on = 1;
    editor.status_view = 1;
    editor.new_picture = 9;
    editor.armed_mode = 4;
    editor.prompt_mode = 3;
    editor.exchange_picture = 8;
    operation();
    EXPECT_EQ(editor.editor_on, 0);
    EXPECT_EQ(editor.status_view, 0);
    EXPECT_EQ(editor.new_picture, 0);
    EXPECT_EQ(editor.armed_mode, 0);
    EXPECT_EQ(editor.prompt_mode, 0);
    EXPECT_EQ(editor.exchange_picture, 8);
  }
}

TEST_F(BookFileTest, TheBackupIsTheFirstPartOfTheBookFile) {
  fill_every_field();
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(write_backup(), 1);
  ASSERT_EQ(save_book(), 0);
  const std::string backup = dir_.read("SCR0.BIX");
  ASSERT_EQ(backup.size(), 15908u);
  EXPECT_EQ(backup, dir_.read("BUCH.DAT").substr(0, 15908));
}

TEST_F(BookFileTest, AFailedSaveLeavesTheOldBookAndReportsIt) {
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  const std::string old_book = dir_.read("BUCH.DAT");
  fill_every_field();
  for (int n = 1; n <= 19; ++n) {
    platform::set_file_output_faults({n, false, false});
    EXPECT_EQ(save_book(), 1) << "write " << n;
  }
  platform::set_file_output_faults({0, true, false});
  EXPECT_EQ(save_book(), 1);
  platform::set_file_output_faults({0, false, true});
  EXPECT_EQ(save_book(), 1);
  EXPECT_EQ(dir_.read("BUCH.DAT"), old_book);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()), {}), 1);
}

TEST_F(BookFileTest, AFailedBackupReturnsZero) {
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(write_backup(), 1);
  const std::string old_backup = dir_.read("SCR0.BIX");
  fill_every_field();
  for (const platform::FileOutputFaults& fault :
       {platform::FileOutputFaults{16, false, false}, {0, true, false}, {0, false, true}}) {
    platform::set_file_output_faults(fault);
    EXPECT_EQ(write_backup(), 0);
  }
  EXPECT_EQ(dir_.read("SCR0.BIX"), old_backup);
}

TEST_F(BookFileTest, AReadOnlyBookIsNotReplaced) {
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  ::chmod("BUCH.DAT", 0444);
  pages.page_count = 5;
  EXPECT_EQ(save_book(), 1);
  start_fresh("BUCH.DAT");
  ASSERT_EQ(load_book(), 0);
  EXPECT_EQ(pages.page_count, 1);
}

TEST_F(BookFileTest, ABookFolderWithUpperCaseNamesAndBackslashes) {
  dir_.write("BUECHER/IGEL.DAT", "");
  ScopedWorkingDir cwd(dir_.path());
  start_fresh("buecher\\igel.dat");
  fill_every_field();
  ASSERT_EQ(save_book(), 0);  // replaces the file the lookup found
  EXPECT_EQ(dir_.read("BUECHER/IGEL.DAT").size(), 19508u);
  start_fresh("C:\\BUECHER\\Igel.Dat");
  ASSERT_EQ(load_book(), 0);
  EXPECT_EQ(pages.page_count, 250);
  start_fresh("Buecher\\Neu.Dat");  // a new file in a folder found in another case
  ASSERT_EQ(save_book(), 0);
  EXPECT_EQ(dir_.read("BUECHER/Neu.Dat").size(), 19508u);
}

// Books made on Windows hold their fields at these offsets; each array gets a value of its
// own in its first and its last entry, so two arrays of one size swapped cannot pass.
TEST_F(BookFileTest, EveryFieldSitsAtItsOwnOffsetLoadedAndSaved) {
  using Array = std::int32_t (PageTable::*)[page_capacity];
  const std::pair<std::size_t, Array> arrays[] = {
      {8, &PageTable::picture},          {1208, &PageTable::box1},          {2408, &PageTable::wave},
      {3608, &PageTable::level},         {5108, &PageTable::box1_x},        {6308, &PageTable::box1_y},
      {7508, &PageTable::box2},          {8708, &PageTable::box2_x},        {9908, &PageTable::box2_y},
      {11108, &PageTable::box3},         {12308, &PageTable::box3_x},       {13508, &PageTable::box3_y},
      {14708, &PageTable::back_sound},   {15908, &PageTable::back_transition},
      {17108, &PageTable::forward_transition}, {18308, &PageTable::text_file},
  };
  constexpr std::size_t mark_offset = 4808;
  const auto first = [](std::size_t offset) { return static_cast<std::int32_t>(offset + 1); };
  const auto last = [](std::size_t offset) { return -static_cast<std::int32_t>(offset + 2); };
  std::string image(book_file_size, '\0');
  test_support::put_le(image, 0, 17, 4);
  test_support::put_le(image, 4, 250, 4);
  for (const auto& [offset, array] : arrays) {
    test_support::put_le(image, offset, static_cast<std::uint32_t>(first(offset)), 4);
    test_support::put_le(image, offset + 4 * 299, static_cast<std::uint32_t>(last(offset)), 4);
    (pages.*array)[0] = first(offset);
    (pages.*array)[299] = last(offset);
    for (int i = 1; i < 299; ++i) (pages.*array)[i] = 0;
  }
  image[mark_offset] = 0x2A;
  image[mark_offset + 299] = static_cast<char>(0xD5);
  pages.mark[0] = 0x2A;
  pages.mark[299] = 0xD5;
  pages.start_page = 17;
  pages.page_count = 250;
  ScopedWorkingDir cwd(dir_.path());
  ASSERT_EQ(save_book(), 0);
  EXPECT_TRUE(dir_.read("BUCH.DAT") == image) << "saved";
  ASSERT_EQ(write_backup(), 1);
  EXPECT_TRUE(dir_.read("SCR0.BIX") == image.substr(0, backup_file_size));

  dir_.write("BUCH.DAT", image);
  start_fresh("BUCH.DAT");
  ASSERT_EQ(load_book(), 0);
  EXPECT_EQ(pages.page_count, 250);
  for (const auto& [offset, array] : arrays) {
    SCOPED_TRACE(offset);
    EXPECT_EQ((pages.*array)[0], first(offset));
    EXPECT_EQ((pages.*array)[299], last(offset));
  }
  EXPECT_EQ(pages.mark[0], 0x2A);
  EXPECT_EQ(pages.mark[299], 0xD5);
}
