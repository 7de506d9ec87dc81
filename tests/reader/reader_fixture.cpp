#include "reader_fixture.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "graphics/screen_context.h"
#include "platform/clock/clock.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_messages.h"
#include "platform/headless/headless_script.h"
#include "shell/main_loop.h"
#include "shell/program_state.h"
#include "shell/startup.h"

namespace reader_test {

namespace headless = platform::headless;

const Shot& RunResult::shot(const std::string& name) const {
  const auto found = shots.find(name);
  if (found == shots.end()) {
    ADD_FAILURE() << "no shot " << name;
    static const Shot none{platform::make_surface(platform::screen_width, platform::screen_height,
                                                  platform::PixelFormat::xrgb8888),
                           -1};
    return none;
  }
  return found->second;
}

std::vector<std::int64_t> RunResult::times_of(const std::string& event) const {
  std::vector<std::int64_t> times;
  for (const std::string& line : sound_log) {
    const std::size_t space = line.find(' ');
    if (space != std::string::npos && line.compare(space + 1, std::string::npos, event) == 0)
      times.push_back(std::stoll(line.substr(0, space)));
  }
  return times;
}

std::vector<std::string> RunResult::events_starting(const std::string& prefix) const {
  std::vector<std::string> events;
  for (const std::string& line : sound_log) {
    const std::size_t space = line.find(' ');
    if (space != std::string::npos && line.compare(space + 1, prefix.size(), prefix) == 0)
      events.push_back(line.substr(space + 1));
  }
  return events;
}

std::vector<std::int32_t> RunResult::effects_played() const {
  std::int32_t held[5] = {};
  std::vector<std::int32_t> played;
  for (const std::string& line : sound_log) {
    int channel = 0;
    std::int32_t number = 0;
    if (std::sscanf(line.c_str(), "%*d ch%d load bsou%d.WAV", &channel, &number) == 2 && channel >= 2 && channel <= 4)
      held[channel] = number;
    else if (std::sscanf(line.c_str(), "%*d ch%d play once", &channel) == 1 && channel >= 2 && channel <= 4 &&
             line.find("play once") != std::string::npos)
      played.push_back(held[channel]);
  }
  return played;
}

ReaderTest::ReaderTest() {
  folder_.write_configuration(0);
  folder_.write_interface_atlas();
  folder_.write_title_picture();
  for (std::int32_t sound : {1, 2, 3, page_turn_sound}) folder_.write_sound(sound, effect_sound_ms);
}

ReaderTest::~ReaderTest() { headless::refuse_audio_device(false); }

void ReaderTest::make_book(int count, std::int32_t first_picture) {
  book.page_count = count;
  book.start_page = 1;
  for (int p = 1; p <= count; ++p) {
    book.picture[p] = first_picture + p - 1;
    folder_.write_picture(book.picture[p]);
  }
}

void ReaderTest::give_box(int page, int slot, std::int32_t number, std::int32_t x, std::int32_t y) {
  std::int32_t* numbers[] = {book.box1, book.box2, book.box3};
  std::int32_t* xs[] = {book.box1_x, book.box2_x, book.box3_x};
  std::int32_t* ys[] = {book.box1_y, book.box2_y, book.box3_y};
  numbers[slot - 1][page] = number;
  xs[slot - 1][page] = x;
  ys[slot - 1][page] = y;
  folder_.write_box(number, box_width, box_height);
  folder_.write_box(number + 1, box_width, box_height);
}

RunResult ReaderTest::run(const Script& script, bool with_sound, bool write_book_file) {
  RunResult result;
  if (write_book_file) folder_.write_book(book);
  headless::ParsedScript parsed = headless::parse_script(script.text(), headless::ShotFolder::given);
  if (!parsed.errors.empty()) {
    ADD_FAILURE() << "bad script: " << headless::describe(parsed.errors.front());
    return result;
  }

  headless::reset_refusals();
  headless::refuse_audio_device(!with_sound);
  reset_program_state();
  headless::reset_clock();
  const std::string log_path = log_dir_.file("sound.log");
  EXPECT_TRUE(headless::start_sound_log(log_path));
  headless::start_script(std::move(parsed.lines), [&result](const std::string& name) {
    if (screen.primary_surface) result.shots[name] = Shot{*screen.primary_surface, platform::now_ms()};
  });
  try {
    WinMain();
  } catch (const headless::ProgramOutlivedScript&) {
    result.outlived = true;
  }
  result.display_released = !headless::display_record().display_open;
  headless::start_script({}, nullptr);
  headless::close_sound_log();

  // Leave nothing behind for the next run: the menu's quit keeps the window, an outlived
  // program everything.
  shutdown();
  if (headless::display_record().windows_open > 0) platform::destroy_window(screen.main_window);
  screen.main_window = nullptr;
  headless::refuse_audio_device(false);

  std::ifstream log(log_path);
  for (std::string line; std::getline(log, line);) result.sound_log.push_back(line);
  return result;
}

platform::Rgb pixel(const Shot& shot, int x, int y) { return platform::read_pixel(shot.frame, x, y); }

int count_of(const Shot& shot, platform::Rgb colour, int x, int y, int width, int height) {
  int n = 0;
  for (int row = y; row < y + height; ++row)
    for (int column = x; column < x + width; ++column) n += platform::read_pixel(shot.frame, column, row) == colour;
  return n;
}

bool filled_with(const Shot& shot, platform::Rgb colour, int x, int y, int width, int height) {
  return count_of(shot, colour, x, y, width, height) == width * height;
}

bool same_frame(const Shot& a, const Shot& b) { return a.frame.pixels == b.frame.pixels; }

}  // namespace reader_test
