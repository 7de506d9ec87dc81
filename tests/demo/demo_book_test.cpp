// The written demo book, read back through the program's own loaders: its configuration, its
// page table and the files every page names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "demo/demo_book.h"
#include "graphics/picture_files.h"
#include "platform/bmp/bmp.h"
#include "platform/files/file_lookup.h"
#include "sound/sound_files.h"
#include "sound/wave_file.h"
#include "support/temp_dir.h"

namespace {

std::optional<platform::Bitmap> picture(const char* prefix, std::int64_t number) {
  char name[picture_name_room + 1];
  if (!build_picture_file_name(prefix, number, name)) return std::nullopt;
  const auto path = platform::find_file(name);
  return path ? platform::load_bmp_file(*path) : std::nullopt;
}

std::optional<WaveLayout> sound(std::int32_t number) {
  char name[sound_name_size];
  const auto path = sound_file_name(number, name) ? platform::find_file(name) : std::nullopt;
  if (!path) return std::nullopt;
  std::ifstream in(*path, std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
  WaveLayout layout;
  return parse_wave(file, layout) ? std::optional<WaveLayout>(layout) : std::nullopt;
}

class DemoBook : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<test_support::TempDir>();
    demo::DemoBookSummary summary;
    std::string problem;
    written_ = demo::write_demo_book(folder_->path().string(), summary, problem);
    EXPECT_TRUE(written_) << problem;
  }
  static void TearDownTestSuite() { folder_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(written_);
    working_dir_.emplace(folder_->path());
    reset_configuration();
    set_default_names();
    ASSERT_GE(read_configuration("lurinf.bin"), 0);
    reset_page_table();
    clear_page_table();
    pages.page_count = 1;
    ASSERT_EQ(load_book(), 0);
  }

  std::vector<int> used_pages() const {
    std::vector<int> numbers;
    for (int p = 1; p <= pages.page_count; ++p) numbers.push_back(p);
    return numbers;
  }

  static inline std::unique_ptr<test_support::TempDir> folder_;
  static inline bool written_ = false;
  std::optional<test_support::ScopedWorkingDir> working_dir_;
};

TEST_F(DemoBook, IsAWindowsBookThatUsesEveryFeature) {
  const std::string text = folder_->read("lurinf.bin");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 7) << "every line ends in CR LF";
  EXPECT_STREQ(config.text_file_prefix, "bilder\\bildt");
  EXPECT_NE(std::strchr(config.title_line1, '\xC4'), nullptr) << "Ä as a Windows-1252 byte";
  EXPECT_GT(std::strlen(config.title_line2), 0u);
  EXPECT_EQ(config.title_music, 100);
  ASSERT_TRUE(sound(config.title_music));
  EXPECT_EQ(sound(config.title_music)->samples_per_second, 22050u);
  EXPECT_EQ(folder_->read(config.book_file_name).size(), static_cast<std::size_t>(book_file_size));

  std::set<int> forward, backward, marks, back_sounds, levels;
  int waves = 0;
  for (int p : used_pages()) {
    forward.insert(pages.forward_transition[p]);
    backward.insert(pages.back_transition[p]);
    if (pages.mark[p] > 0) marks.insert(pages.mark[p]);
    if (pages.level[p] > 0) levels.insert(pages.level[p]);
    if (pages.back_sound[p] > 0) back_sounds.insert(pages.back_sound[p]);
    if (pages.wave[p] > 0) ++waves;
    if (pages.mark[p] == 1) {
      EXPECT_GT(pages.box1[p], 0);
    }
    if (pages.mark[p] == 4) {
      EXPECT_TRUE(pages.box2[p] > 0 && pages.box3[p] > 0);
    }
  }
  const std::set<int> all{1, 2, 3, 4, 5, 6, 7, 8};
  EXPECT_EQ(forward, all);
  EXPECT_EQ(backward, all);
  EXPECT_TRUE(marks.count(1) && marks.count(4));
  EXPECT_GE(levels.size(), 2u);
  EXPECT_EQ(back_sounds.size(), 2u);
  for (int number : back_sounds) EXPECT_NE(number, config.title_music);
  EXPECT_GE(waves, 5);
}

TEST_F(DemoBook, EveryPageHasItsPictureBoxesAndTextInEachSize) {
  ASSERT_GE(pages.page_count, 10);
  std::set<int> sizes;
  for (int p : used_pages()) {
    const auto page_picture = picture(config.picture_prefix, pages.picture[p]);
    ASSERT_TRUE(page_picture) << "page " << p;
    EXPECT_EQ(page_picture->width, 1024);
    EXPECT_EQ(page_picture->height, 768);
    const std::int32_t boxes[3][3] = {{pages.box1[p], pages.box1_x[p], pages.box1_y[p]},
                                      {pages.box2[p], pages.box2_x[p], pages.box2_y[p]},
                                      {pages.box3[p], pages.box3_x[p], pages.box3_y[p]}};
    for (const auto& [number, x, y] : boxes) {
      if (number <= 0) continue;
      const auto plain = picture(config.box_picture_prefix, number);
      const auto lit = picture(config.box_picture_prefix, number + 1);
      ASSERT_TRUE(plain && lit) << "page " << p << " box " << number;
      EXPECT_EQ(plain->width, lit->width);
      EXPECT_EQ(plain->height, lit->height);
      EXPECT_NE(plain->pixels, lit->pixels) << "the highlighted box must look different";
      EXPECT_TRUE(x >= 0 && y >= 0 && x + plain->width <= 1024 && y + plain->height <= 768);
    }
    ASSERT_GT(pages.text_file[p], 0) << "page " << p << " tells its part of the story";
    char name[text_file_name_room + 1];
    ASSERT_TRUE(build_text_file_name(config.text_file_prefix, pages.text_file[p], name));
    ASSERT_EQ(load_text_page(name), text_page_read) << name;
    ASSERT_GT(text_page.text_line_count, 0);
    bool umlaut = false;
    for (int line = 0; line < text_page.text_line_count; ++line)
      for (const char* c = text_page.text_lines[line]; *c; ++c)
        umlaut = umlaut || std::strchr("\xC4\xD6\xDC\xE4\xF6\xFC\xDF", *c) != nullptr;
    if (umlaut) sizes.insert(text_page.text_size);
    for (std::int32_t number : {pages.wave[p], pages.back_sound[p]}) {
      if (number <= 0) continue;
      const auto layout = sound(number);
      ASSERT_TRUE(layout) << "page " << p << " sound " << number;
      EXPECT_EQ(layout->samples_per_second, 22050u) << "plays at its own pitch";
    }
  }
  EXPECT_EQ(sizes, (std::set<int>{0, 1, 2, 3})) << "every text size shows umlauts somewhere";
}

}  // namespace
