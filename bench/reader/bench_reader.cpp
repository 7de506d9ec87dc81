// The reader's costs in one run: a page turn against the work it cannot avoid (reading and
// decoding the page picture onto a surface and three whole-frame copies), and the peak memory of
// rozeva-headless paging through a 50-page book with sound and through 20 pages of camera pictures.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "book/page_table.h"
#include "book_folder.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "platform/bmp/bmp.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_clock.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_messages.h"
#include "platform/headless/headless_script.h"
#include "screens/page_display.h"
#include "shell/main_loop.h"
#include "shell/program_state.h"
#include "support/bmp_writer.h"
#include "support/temp_dir.h"
#include "support/time_collector.h"
#include "support/turn_book.h"

extern char** environ;

namespace {

namespace headless = platform::headless;
using reader_test::BookFolder;
using namespace turn_book;

constexpr int memory_book_pages = 50;
constexpr int memory_book_turns = 60;
constexpr int camera_book_pages = 20;
constexpr int camera_width = 6000;
constexpr int camera_height = 4000;

void page_turn(benchmark::State& state) {
  std::int32_t page = pages.current_page;
  for (auto _ : state) {
    page = 3 - page;
    pages.current_page = page;
    show_page(pages.current_page, 0, 0);
    benchmark::ClobberMemory();
  }
}

void decode_and_three_copies(benchmark::State& state) {
  std::int32_t page = 1;
  for (auto _ : state) {
    page = 3 - page;
    // Straight into the surface, as the program decodes a page picture: no buffer to allocate.
    benchmark::DoNotOptimize(platform::load_bmp_file_onto_surface(turn_picture_path(page), *screen.page_surface));
    copy_whole_screen(screen.page_surface, screen.back_buffer);
    copy_whole_screen(screen.back_buffer, screen.blink_frame_0);
    copy_whole_screen(screen.blink_frame_0, screen.page_surface);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(page_turn)->Apply(short_runs)->Unit(benchmark::kMillisecond);
BENCHMARK(decode_and_three_copies)->Apply(short_runs)->Unit(benchmark::kMillisecond);

// Starts the program silently on the turn book and runs the benchmarks while it waits for
// its second click, with page 1 on screen.
bool run_benchmarks_inside_the_program(TimeCollector& collector) {
  test_support::TempDir dir;
  write_turn_book(BookFolder(dir.path()));
  test_support::ScopedWorkingDir working_dir(dir.path());
  headless::reset_refusals();
  headless::refuse_audio_device(true);
  reset_program_state();
  headless::reset_clock();
  headless::ParsedScript script = headless::parse_script("left\nshot measure\n", headless::ShotFolder::given);
  bool ran = false;
  headless::start_script(std::move(script.lines), [&](const std::string&) {
    benchmark::RunSpecifiedBenchmarks(&collector);
    ran = true;
  });
  WinMain();
  headless::start_script({}, nullptr);
  return ran;
}

// 50 pages, each with its own picture, wave and back sound, looping title music.
void write_memory_book(const BookFolder& folder) {
  constexpr std::int32_t title_music = 20;
  write_common_files(folder, title_music);
  for (std::int32_t sound : {1, 2, 3, 7}) folder.write_sound(sound, 200);
  folder.write_sound(title_music, 3000);
  auto book = std::make_unique<PageTable>();
  book->page_count = memory_book_pages;
  for (int p = 1; p <= memory_book_pages; ++p) {
    const std::int32_t picture = first_turn_picture + p - 1;
    folder.write_file(BookFolder::picture_file_name("acs", picture), gradient_picture(picture));
    book->picture[p] = picture;
    book->wave[p] = 100 + p;
    folder.write_sound(book->wave[p], 1000);
    book->back_sound[p] = 200 + p % 5;
    book->forward_transition[p] = p % 9;
  }
  for (int s = 0; s < 5; ++s) folder.write_sound(200 + s, 2000);
  folder.write_book(*book);
}

// 20 pages, each showing a 6000 x 4000 photograph as a 24-bit BMP (72 MB). The pages share
// one file through hard links: what is measured is the program's memory, not the disk's.
void write_camera_book(const BookFolder& folder, const std::filesystem::path& dir) {
  write_common_files(folder, 0);
  auto book = std::make_unique<PageTable>();
  book->page_count = camera_book_pages;
  const std::string first = BookFolder::picture_file_name("acs", first_turn_picture);
  folder.write_file(first, test_support::make_bmp24(camera_width, camera_height, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 5) & 255) << 16 | static_cast<std::uint32_t>((y * 3) & 255) << 8 |
           static_cast<std::uint32_t>((x ^ y) & 255);
  }));
  for (int p = 1; p <= camera_book_pages; ++p) {
    const std::int32_t picture = first_turn_picture + p - 1;
    if (p > 1) std::filesystem::create_hard_link(dir / first, dir / BookFolder::picture_file_name("acs", picture));
    book->picture[p] = picture;
  }
  folder.write_book(*book);
}

constexpr const char* peak_mode = "--peak-rss-into";

// Runs `arguments` to its end; its peak resident size in KiB, or -1 when it did not exit with 0.
long spawn_and_wait(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return usage.ru_maxrss;  // in KiB
}

// The largest resident size rozeva-headless reached paging `turns` times through the book
// `write` makes in the folder it is given, in MiB; negative when it did not end well.
template <class WriteBook>
double peak_memory_of_headless_paging(int turns, WriteBook write) {
  test_support::TempDir dir;
  const std::filesystem::path book_dir = dir.path() / "book";
  std::filesystem::create_directory(book_dir);
  write(book_dir);
  std::string script = "left\n";
  for (int i = 0; i < turns; ++i) script += "move 1000 1000\nleft\nwait 300\n";
  const std::string script_path = dir.file("script.txt");
  BookFolder(dir.path()).write_file("script.txt", script);
  const std::string log_path = dir.file("sound.log");

  // Through a fresh copy of this benchmark: a child spawned from here would be charged this
  // process's own peak (the kernel carries the spawner's peak over into the child's at exec).
  const std::string peak_path = dir.file("peak.txt");
  std::vector<std::string> arguments = {"/proc/self/exe", peak_mode,       peak_path,          ROZEVA_HEADLESS,
                                        "--sound-log",    log_path,        book_dir.string(), script_path};
  if (spawn_and_wait(arguments) < 0) return -1;
  std::ifstream peak_file(peak_path);
  long kib = -1;
  if (!(peak_file >> kib) || kib < 0) return -1;
  constexpr double kib_per_mib = 1024.0;
  return static_cast<double>(kib) / kib_per_mib;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 && std::string(argv[1]) == peak_mode) {
    const long kib = spawn_and_wait(std::vector<std::string>(argv + 3, argv + argc));
    std::ofstream(argv[2]) << kib;
    return kib < 0 ? 1 : 0;
  }
  initialize_interleaved(argc, argv);
  TimeCollector collector;
  const bool ran = run_benchmarks_inside_the_program(collector);
  benchmark::Shutdown();
  // CPU time: the wall clock of a shared two-core machine swings with the other processes.
  const double turn = collector.times["page_turn"].cpu;
  const double floor = collector.times["decode_and_three_copies"].cpu;
  if (!ran || turn <= 0 || floor <= 0) {
    std::fputs("bench_reader: the program did not reach its first page\n", stderr);
    return 1;
  }
  const double peak_mib = peak_memory_of_headless_paging(
      memory_book_turns, [](const std::filesystem::path& dir) { write_memory_book(BookFolder(dir)); });
  const double camera_peak_mib = peak_memory_of_headless_paging(
      camera_book_pages, [](const std::filesystem::path& dir) { write_camera_book(BookFolder(dir), dir); });
  if (peak_mib < 0 || camera_peak_mib < 0) {
    std::fputs("bench_reader: rozeva-headless did not page through a book\n", stderr);
    return 1;
  }
  std::printf("page turn %.3f ms, floor %.3f ms; rozeva-headless peak %.1f MiB over %d turns, %.1f MiB over %d pages "
              "of %dx%d pictures\n",
              turn, floor, peak_mib, memory_book_turns, camera_peak_mib, camera_book_pages, camera_width, camera_height);
  std::printf("RATIO page_turn_vs_floor %.3f goal <= 2\n", turn / floor);
  std::printf("RATIO peak_rss_mib_50_pages %.1f goal <= 64\n", peak_mib);
  std::printf("RATIO peak_rss_mib_24mp_pages %.1f goal <= 64\n", camera_peak_mib);
  return 0;
}
