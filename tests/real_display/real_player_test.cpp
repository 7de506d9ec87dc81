// The real rozeva on an X server (Xvfb), driven with xdotool, its screen compared with what
// rozeva-headless shows for the same steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "platform/display/png_writer.h"
#include "session.h"
#include "support/temp_dir.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;
using real_display::Session;
using shots::Image;
using x_session::Child;
using x_session::XServer;

constexpr auto screen_limit = std::chrono::seconds(15);
constexpr auto run_limit = std::chrono::seconds(60);
constexpr int channel_tolerance = 2;
constexpr int blink_ms = 800;
constexpr int cursor_size = 16;
constexpr auto switch_settle = std::chrono::milliseconds(500);
constexpr std::size_t audio_bytes_per_second = 48000 * 4;

// Where the frame lies on the X screen.
struct Placement {
  int x = 0, y = 0, width = 0, height = 0;
  bool full_screen = true;
};

// The largest 4:3 rectangle in the middle of an area.
Placement letterboxed(int width, int height) {
  const int fit_width = std::min(width, height * 4 / 3);
  const int fit_height = fit_width * 3 / 4;
  return {(width - fit_width) / 2, (height - fit_height) / 2, fit_width, fit_height, true};
}

// The window's inside, where the frame is letterboxed as on a screen of that size.
std::optional<Placement> window_placement(const XServer& x) {
  Child query({"xwininfo", "-name", "ROZEVA"}, x.environment(), "", true);
  std::istringstream answer(query.read_output());
  query.wait_for_exit(screen_limit);
  int left = -1, top = -1, width = -1, height = -1;
  for (std::string line; std::getline(answer, line);) {
    const auto number = [&](const char* name, int& field) {
      const std::size_t at = line.find(name);
      if (at != std::string::npos && field < 0) field = std::atoi(line.c_str() + at + std::strlen(name));
    };
    number("Absolute upper-left X:", left);
    number("Absolute upper-left Y:", top);
    number("Width:", width);
    number("Height:", height);
  }
  if (left < 0 || top < 0 || width <= 0 || height <= 0) return std::nullopt;
  Placement placement = letterboxed(width, height);
  placement.x += left;
  placement.y += top;
  placement.full_screen = false;
  return placement;
}

Placement full_screen_placement(const XServer& x) { return letterboxed(x.width(), x.height()); }

bool close_to(platform::Rgb a, platform::Rgb b) {
  return std::abs(a.r - b.r) <= channel_tolerance && std::abs(a.g - b.g) <= channel_tolerance &&
         std::abs(a.b - b.b) <= channel_tolerance;
}

bool uniform_around(const Image& frame, int x, int y) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (!(frame.at(x + dx, y + dy) == frame.at(x, y))) return false;
  return true;
}

// At 1:1 every pixel is the frame's; scaled, every pixel in the middle of a patch of one colour
// must have that colour (the filter blends only at edges), and the bars are black. Frame
// pixels in `skip` are not compared.
bool shows(const Image& screen, const Image& frame, const Placement& at, const std::vector<shots::Rect>& skip) {
  if (screen.empty() || at.x < 0 || at.y < 0 || at.x + at.width > screen.width || at.y + at.height > screen.height)
    return false;
  if (at.width == frame.width && at.height == frame.height) {
    std::vector<shots::Rect> skip_on_screen;
    for (const shots::Rect& r : skip) skip_on_screen.push_back({r.x + at.x, r.y + at.y, r.width, r.height});
    return shots::count_differences(screen, {at.x, at.y, at.width, at.height}, frame, 0, 0, skip_on_screen) == 0;
  }
  for (int y = 1; y + 1 < frame.height; y += 3)
    for (int x = 1; x + 1 < frame.width; x += 3) {
      bool skipped = false;
      for (const shots::Rect& r : skip) skipped = skipped || shots::Rect{r.x - 1, r.y - 1, r.width + 2, r.height + 2}.contains(x, y);
      if (skipped || !uniform_around(frame, x, y)) continue;
      const int sx = at.x + static_cast<int>((x + 0.5) * at.width / frame.width);
      const int sy = at.y + static_cast<int>((y + 0.5) * at.height / frame.height);
      if (!close_to(screen.at(sx, sy), frame.at(x, y))) return false;
    }
  if (!at.full_screen) return true;
  for (int y = 0; y < screen.height; y += 7)
    for (int x = 0; x < screen.width; x += 7) {
      const bool inside = x >= at.x && x < at.x + at.width && y >= at.y && y < at.y + at.height;
      if (!inside && !(screen.at(x, y) == platform::Rgb{})) return false;
    }
  return true;
}

void write_image(const Image& image, const fs::path& path) {
  platform::Surface surface = platform::make_surface(image.width, image.height, platform::PixelFormat::xrgb8888);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) platform::write_pixel(surface, x, y, image.at(x, y));
  platform::write_png(surface, path.string());
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class RealPlayer : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    book_folder_ = new test_support::TempDir;
    Child demo({ROZEVA_DEMO_EXE, (book_folder_->path() / "book").string()}, {}, "", true);
    demo.read_output();
    ASSERT_EQ(demo.wait_for_exit(run_limit), 0);
    // Only the page-turn sound is left, so the sound output is silent until a page turns.
    for (const auto& entry : fs::directory_iterator(book_folder_->path() / "book" / "toene"))
      if (entry.path().filename() != "ton7.WAV") fs::remove(entry.path());
  }
  static void TearDownTestSuite() {
    delete book_folder_;
    book_folder_ = nullptr;
  }

  fs::path book() const { return book_folder_->path() / "book"; }

  // The reference frames: rozeva-headless's shots of the session.
  void write_reference(const Session& session) {
    std::ofstream(work_.file("script.txt")) << session.script();
    Child headless({ROZEVA_HEADLESS_EXE, "--shots", work_.file("reference"), book().string(), work_.file("script.txt")});
    ASSERT_EQ(headless.wait_for_exit(run_limit), 0);
  }

  // Waits for the screen to show one of the step's frames; keeps the last look on failure.
  void wait_for_frames(const XServer& x, const real_display::Step& step, bool full_screen) {
    const std::vector<std::string>& names = step.expected;
    std::vector<Image> frames;
    for (const std::string& name : names) frames.push_back(shots::read_png(work_.file("reference/" + name + ".png")));
    std::vector<shots::Rect> skip;
    if (step.cursor_may_differ) skip.push_back({step.cursor_x, step.cursor_y, cursor_size, cursor_size});
    Image screen;
    const auto end = std::chrono::steady_clock::now() + screen_limit;
    while (std::chrono::steady_clock::now() < end) {
      screen = x.grab();
      const std::optional<Placement> at = full_screen ? full_screen_placement(x) : window_placement(x);
      for (const Image& frame : frames)
        if (at && shows(screen, frame, *at, skip)) return;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const fs::path failures = fs::current_path() / "real-display-failures";
    fs::create_directories(failures);
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name() + ("-" + names[0]);
    write_image(screen, failures / (name + "-actual.png"));
    write_image(frames[0], failures / (name + "-expected.png"));
    ADD_FAILURE() << "the screen did not come to show " << names[0] << " (on " << x.width() << " x " << x.height()
                  << ", " << (full_screen ? "full screen" : "in a window") << ", grabbed " << screen.width << " x " << screen.height
                  << "); the last look and the expected frame are in " << failures;
  }

  // Plays the session on the real player and returns its exit status.
  std::optional<int> play(const XServer& x, const Session& session, std::vector<std::string> environment = {}) {
    // The desktop's own libraries (D-Bus, sound plug-ins) keep memory to the end; the program's
    // own leaks are the headless suite's to find.
    environment.push_back("ASAN_OPTIONS=detect_leaks=0");
    Child player({ROZEVA_EXE, book().string()}, x.environment(environment));
    bool full_screen = true;
    for (const real_display::Step& step : session.steps()) {
      if (step.before) step.before();
      for (const auto& command : step.commands) EXPECT_EQ(x.run(command), 0) << command[0] << " " << command[1];
      if (step.toggles_window) {
        full_screen = !full_screen;
        // The desktop switches the pointer between raw and absolute reports in its own time;
        // a movement in between is lost, for a person as for this test.
        std::this_thread::sleep_for(switch_settle);
      }
      if (!step.expected.empty()) wait_for_frames(x, step, full_screen);
      if (::testing::Test::HasFailure()) break;
    }
    return player.wait_for_exit(std::chrono::duration_cast<std::chrono::milliseconds>(screen_limit));
  }

  static test_support::TempDir* book_folder_;
  test_support::TempDir work_;
};

test_support::TempDir* RealPlayer::book_folder_ = nullptr;

#define START_X_SERVER(name, width, height)                       \
  XServer name(width, height);                                    \
  if (!name.problem().empty()) GTEST_SKIP() << name.problem();

TEST_F(RealPlayer, ReadsTheEditsAndQuitsOnAFullScreenOfItsOwnSizeWithItsSound) {
  START_X_SERVER(x, 1024, 768);
  ASSERT_EQ(x.run({"setxkbmap", "de"}), 0) << "umlauts are typed on a German keyboard";
  const std::string sound = work_.file("sound.raw");
  std::size_t silent_until = 0;
  Session s;
  s.expect("title");
  s.move(244, 180);  // onto the forward button at 985, 729
  s.expect("title-with-pointer");
  s.left();
  s.wait(1500);
  s.expect("page-1");
  s.before_next([&] { silent_until = fs::file_size(sound); });
  s.left();
  s.wait(1500);
  s.expect_blinking("page-2", blink_ms);
  s.right();
  s.expect("menu");
  s.pointer_to(110, 109);  // the editor switch
  s.left();
  s.wait(300);
  s.expect("editor");
  s.pointer_to(425, 743);  // toolbar button 9 chosen, then carried out: the wave prompt
  s.left();
  s.left();
  s.type("12ä");
  s.expect("prompt");
  s.key("char 27", "Escape");
  s.right();  // leaves the editor
  s.pointer_to(985, 729);
  s.left();
  s.wait(1500);
  s.expect("page-3");
  s.alt_enter();
  s.expect("page-3");
  s.place(300, 200, 300, 200);
  s.expect("page-3-pointer-in-window");
  s.alt_enter();
  s.move(5, 5);
  s.expect("page-3-pointer-back-on-full-screen");
  s.right();
  s.pointer_to(400, 140);  // the menu's first entry ends the program
  s.left();
  write_reference(s);

  EXPECT_EQ(play(x, s, {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + sound}), 0);
  const std::string samples = read_file(sound);
  ASSERT_GT(samples.size(), silent_until + audio_bytes_per_second / 2);
  EXPECT_EQ(samples.substr(0, silent_until).find_first_not_of('\0'), std::string::npos) << "silence before the turn";
  EXPECT_NE(samples.find_first_not_of('\0', silent_until), std::string::npos) << "the page-turn sound is heard";
}

TEST_F(RealPlayer, AltF4EndsTheProgramOnTheTitleScreen) {
  START_X_SERVER(x, 1024, 768);
  Session s;
  s.expect("title");
  s.alt_f4();
  write_reference(s);
  EXPECT_EQ(play(x, s), 0);
}

TEST_F(RealPlayer, ALargerScreenUnderAWindowManagerLetterboxesTheFrame) {
  START_X_SERVER(x, 1920, 1080);
  ASSERT_TRUE(x.start_window_manager()) << "openbox did not start";
  Session s;
  s.expect("title");
  s.move(244, 180);
  s.left();
  s.wait(1500);
  s.expect("page-1");
  s.alt_enter();
  s.expect("page-1");
  s.alt_enter();
  s.expect("page-1");
  s.alt_f4();
  write_reference(s);
  EXPECT_EQ(play(x, s), 0);
}

}  // namespace
