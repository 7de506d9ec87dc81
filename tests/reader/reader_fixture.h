#pragma once
// The whole program in this process: a book folder built for the test, the real WinMain on
// the headless backend driven by a script, and what came out of it: the shots (copies of the
// screen, with the program time they were taken at) and the sound log.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "book/page_table.h"
#include "book_folder.h"
#include "platform/display/surface.h"
#include "script_builder.h"
#include "support/temp_dir.h"

namespace reader_test {

struct Shot {
  platform::Surface frame;
  std::int64_t at_ms = 0;
};

struct RunResult {
  std::map<std::string, Shot> shots;
  std::vector<std::string> sound_log;
  // The program still waited for input after the script and its close request: it never ended.
  bool outlived = false;
  // The display was given back, as the exit path's shutdown does.
  bool display_released = false;

  const Shot& shot(const std::string& name) const;
  bool has_shot(const std::string& name) const { return shots.count(name) == 1; }
  // The times of the sound-log lines whose event is exactly `event`, e.g. "ch4 play once".
  std::vector<std::int64_t> times_of(const std::string& event) const;
  int count_of(const std::string& event) const { return static_cast<int>(times_of(event).size()); }
  // The events (the lines without their times) that start with `prefix`, in order.
  std::vector<std::string> events_starting(const std::string& prefix) const;
  // The sound numbers effect channels 2..4 played once, in order (page waves included).
  std::vector<std::int32_t> effects_played() const;
};

// Effect sounds the program preloads (1, 2, 3) and the page-turn sound (7) are in every folder.
inline constexpr std::int32_t page_turn_sound = 7;
inline constexpr int effect_sound_ms = 100;
// Transitions' pause sums, effect 0..8.
inline constexpr std::int64_t pause_sum_ms[] = {0, 64, 64, 256, 256, 572, 444, 444, 1280};
// The first page comes on screen with effect 1 after the title screen.
inline constexpr std::int64_t first_page_ms = 64;
inline constexpr int box_width = 100;
inline constexpr int box_height = 80;

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest();
  ~ReaderTest() override;

  // Pages 1..count showing pictures first_picture, first_picture + 1, ... (written).
  void make_book(int count, std::int32_t first_picture = 10);
  // Box `slot` (1..3) of `page` shows box picture `number` at (x, y); pictures `number` and
  // its highlight `number` + 1 are written, box_width x box_height.
  void give_box(int page, int slot, std::int32_t number, std::int32_t x, std::int32_t y);
  // Writes `book` as the book file (unless told not to) and runs the program to its end (or
  // the script's).
  RunResult run(const Script& script, bool with_sound = true, bool write_book_file = true);

  test_support::TempDir dir_;
  test_support::ScopedWorkingDir working_dir_{dir_.path()};
  test_support::TempDir log_dir_;
  BookFolder folder_{dir_.path()};
  std::unique_ptr<PageTable> book_ = std::make_unique<PageTable>();
  PageTable& book = *book_;
};

platform::Rgb pixel(const Shot& shot, int x, int y);
int count_of(const Shot& shot, platform::Rgb colour, int x, int y, int width, int height);
// Whether every pixel of the rectangle has the colour.
bool filled_with(const Shot& shot, platform::Rgb colour, int x, int y, int width, int height);
bool same_frame(const Shot& a, const Shot& b);

}  // namespace reader_test
