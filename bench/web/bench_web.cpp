// The web player in headless Chromium: a page turn in the page against the same turn in the
// native program on the headless backend (same book, same script, same run), the player's
// download without the book (gzip), and the time from page load to the first title frame.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_messages.h"
#include "platform/headless/headless_script.h"
#include "script_builder.h"
#include "shell/main_loop.h"
#include "shell/program_state.h"
#include "support/temp_dir.h"
#include "support/turn_book.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;
namespace headless = platform::headless;
using x_session::Child;

constexpr int turns = 40;
constexpr int first_frame_runs = 5;
constexpr auto run_limit = std::chrono::seconds(300);
constexpr double bytes_per_mib = 1024.0 * 1024.0;
const char* const player_files[] = {"index.html", "rozeva.js", "rozeva-page.js", "rozeva-page.css"};

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

double median(std::vector<double> values) {
  if (values.empty()) return -1;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Milliseconds between one shot and the next, each a page turn.
std::vector<double> spans(const std::vector<double>& times) {
  std::vector<double> result;
  for (std::size_t i = 1; i < times.size(); ++i) result.push_back(times[i] - times[i - 1]);
  return result;
}

// What a server sends of the player, compressed as gzip -9 compresses it (the same deflate).
double player_gz_mib() {
  double bytes = 0;
  for (const char* name : player_files) {
    const std::string file = read_file(fs::path(ROZEVA_WEB_PLAYER_DIR) / name);
    uLongf size = compressBound(static_cast<uLong>(file.size()));
    std::vector<Bytef> packed(size);
    if (compress2(packed.data(), &size, reinterpret_cast<const Bytef*>(file.data()), file.size(), 9) != Z_OK) return -1;
    bytes += static_cast<double>(size);
  }
  return bytes / bytes_per_mib;
}

// The title clicked away, then `turns` clicks on the forward button, a shot after each.
std::string turn_script() {
  reader_test::Script s;
  s.left().move_to(reader_test::forward_button_x, reader_test::bar_y).shot("t0");
  for (int i = 1; i <= turns; ++i) s.left().shot(std::string("t").append(std::to_string(i)));
  return s.key("F12").text();
}

std::vector<double> native_turn_ms(const fs::path& book) {
  test_support::ScopedWorkingDir working_dir(book);
  headless::reset_refusals();
  reset_program_state();
  headless::reset_clock();
  std::vector<double> times;
  const auto start = std::chrono::steady_clock::now();
  headless::start_script(headless::parse_script(turn_script(), headless::ShotFolder::given).lines,
                         [&](const std::string&) {
                           times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
                         });
  WinMain();
  headless::start_script({}, nullptr);
  return spans(times);
}

std::vector<double> numbers_after(const std::string& report, const std::string& key) {
  std::vector<double> values;
  const std::regex pattern("\"" + key + "\":([0-9.]+)");
  for (auto it = std::sregex_iterator(report.begin(), report.end(), pattern); it != std::sregex_iterator(); ++it)
    values.push_back(std::stod((*it)[1].str()));
  return values;
}

std::string drive(const fs::path& site, const std::vector<std::string>& options) {
  std::vector<std::string> command = {"node", ROZEVA_DRIVE_PAGE};
  command.insert(command.end(), options.begin(), options.end());
  command.push_back((site / "index.html").string());
  Child driver(command, {}, "", true);
  const std::string report = driver.read_output();
  return driver.wait_for_exit(run_limit) == 0 ? report : "";
}

bool pack(const fs::path& book, const fs::path& site) {
  Child packer({ROZEVA_WEB_EXE, "--player", ROZEVA_WEB_PLAYER_DIR, book.string(), site.string()}, {}, "", true);
  packer.read_output();
  return packer.wait_for_exit(run_limit) == 0;
}

}  // namespace

int main() {
  if (!fs::is_regular_file(fs::path(ROZEVA_WEB_PLAYER_DIR) / "rozeva.js") || !fs::exists("/usr/bin/chromium")) {
    std::puts("bench_web: skipped: the web player (make web) or /usr/bin/chromium is missing");
    return 0;
  }
  test_support::TempDir work;
  const fs::path turn_book_dir = work.path() / "turn-book";
  fs::create_directories(turn_book_dir);
  turn_book::write_turn_book(reader_test::BookFolder(turn_book_dir));
  if (!pack(turn_book_dir, work.path() / "turn-site")) {
    std::fputs("bench_web: rozeva-web could not pack the turn book\n", stderr);
    return 1;
  }
  const double native = median(native_turn_ms(turn_book_dir));
  std::ofstream(work.file("turns.txt")) << turn_script();
  const std::string turn_report =
      drive(work.path() / "turn-site", {"--script", work.file("turns.txt"), "--times", "--timeout", "240"});
  const double web = median(spans(numbers_after(turn_report, "ms")));
  if (web <= 0) std::fprintf(stderr, "bench_web: the page's turns: %s\n", turn_report.c_str());

  Child demo({ROZEVA_DEMO_EXE, (work.path() / "demo-book").string()}, {}, "", true);
  demo.read_output();
  std::vector<double> first_frames;
  if (demo.wait_for_exit(run_limit) == 0 && pack(work.path() / "demo-book", work.path() / "demo-site"))
    for (int run = 0; run < first_frame_runs; ++run)
      for (double ms : numbers_after(drive(work.path() / "demo-site", {}), "firstFrameMs")) first_frames.push_back(ms);
  const double first_frame = median(first_frames);
  const double gz_mib = player_gz_mib();
  if (native <= 0 || web <= 0 || first_frame <= 0 || gz_mib <= 0) {
    std::fprintf(stderr, "bench_web: a measurement failed (turn %.3f / %.3f ms, first frame %.0f ms, %.3f MiB)\n",
                 web, native, first_frame, gz_mib);
    return 1;
  }
  std::printf("page turn: %.2f ms in the page, %.2f ms native (median of %d); first title frame %.0f ms after "
              "page load (median of %d); player %.3f MiB gzip\n",
              web, native, turns, first_frame, first_frame_runs, gz_mib);
  std::printf("RATIO web_page_turn_vs_native %.2f goal <= 3\n", web / native);
  std::printf("RATIO web_player_gz_mib %.3f goal <= 1.5\n", gz_mib);
  std::printf("RATIO web_first_frame_ms %.0f goal <= 1000\n", first_frame);
  return 0;
}
