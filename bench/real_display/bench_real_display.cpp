// The real player on an X server of its own (Xvfb with openbox): the CPU the rozeva process takes while a
// page waits with the music looping or a box blinking, the transitions' real duration against
// their pauses, a present against a bare SDL present, and the time to the first title frame.
#include <dirent.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "in_process_display.h"
#include "support/temp_dir.h"
#include "x_session.h"

namespace {

namespace fs = std::filesystem;
using x_session::Child;

constexpr int first_frame_runs = 5;
constexpr auto settle = std::chrono::seconds(3);
constexpr auto idle_span = std::chrono::seconds(10);
constexpr const char* first_frame_mode = "--first-frame-since";

long long monotonic_ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// CPU time of every thread of the process, in nanoseconds (the first field of schedstat).
long long cpu_ns_of(pid_t pid) {
  long long total = 0;
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* folder = opendir(tasks.c_str());
  if (!folder) return -1;
  while (const dirent* entry = readdir(folder)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
    long long ns = 0;
    if (stat >> ns) total += ns;
  }
  closedir(folder);
  return total;
}

// Cores the process uses over the span.
double idle_cores(pid_t pid) {
  const long long cpu_before = cpu_ns_of(pid), wall_before = monotonic_ns();
  std::this_thread::sleep_for(idle_span);
  const long long cpu_after = cpu_ns_of(pid), wall_after = monotonic_ns();
  if (cpu_before < 0 || cpu_after < 0) return -1;
  return static_cast<double>(cpu_after - cpu_before) / static_cast<double>(wall_after - wall_before);
}

void xdotool(const x_session::XServer& x, std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "xdotool");
  x.run(arguments);
}

struct IdleCpu {
  double music_page = -1;
  double blink_page = -1;
};

// The demo book's first page keeps the title music looping; its second page blinks a box.
IdleCpu measure_idle(const x_session::XServer& x, const fs::path& book) {
  IdleCpu cpu;
  Child player({ROZEVA_EXE, book.string()}, x.environment());
  std::this_thread::sleep_for(settle);
  xdotool(x, {"mousemove_relative", "--", "244", "180"});  // onto the forward button
  xdotool(x, {"click", "1"});
  std::this_thread::sleep_for(settle);
  cpu.music_page = idle_cores(player.pid());
  xdotool(x, {"click", "1"});
  std::this_thread::sleep_for(settle);
  cpu.blink_page = idle_cores(player.pid());
  xdotool(x, {"key", "alt+F4"});
  if (player.wait_for_exit(std::chrono::seconds(10)) != 0) return {};
  return cpu;
}

double measure_first_frame(const x_session::XServer& x, const fs::path& book, const char* self) {
  double fastest = -1;
  for (int run = 0; run < first_frame_runs; ++run) {
    Child child({self, first_frame_mode, std::to_string(monotonic_ns())}, x.environment(), book.string(), true);
    const std::string answer = child.read_output();
    if (child.wait_for_exit(std::chrono::seconds(20)) != 0) return -1;
    const double ms = std::atof(answer.c_str());
    if (ms <= 0) return -1;
    if (fastest < 0 || ms < fastest) fastest = ms;
  }
  return fastest;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == first_frame_mode) {
    std::printf("%.3f\n", in_process::first_frame_ms_since(std::atoll(argv[2])));
    return 0;
  }
  x_session::XServer x(1024, 768);
  if (!x.problem().empty()) {
    std::fprintf(stderr, "bench_real_display: %s\n", x.problem().c_str());
    return 1;
  }
  // A desktop has a window manager; without one a window waits for frame sizes nobody sets.
  if (!x.start_window_manager()) {
    std::fputs("bench_real_display: openbox did not start\n", stderr);
    return 1;
  }
  setenv("DISPLAY", x.display().c_str(), 1);
  // A device that plays in real time and writes nowhere: the mixer works as for a sound card.
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  test_support::TempDir dir;
  const fs::path book = dir.path() / "book";
  Child demo({ROZEVA_DEMO_EXE, book.string()}, {}, "", true);
  demo.read_output();
  if (demo.wait_for_exit(std::chrono::seconds(120)) != 0) {
    std::fputs("bench_real_display: rozeva-demo did not write the demo book\n", stderr);
    return 1;
  }

  const IdleCpu idle = measure_idle(x, book);
  // The child runs in the book's folder, where a relative argv[0] names nothing.
  const double first_frame = measure_first_frame(x, book, fs::read_symlink("/proc/self/exe").c_str());
  if (!in_process::start()) {
    std::fputs("bench_real_display: the program did not start on the X server\n", stderr);
    return 1;
  }
  const in_process::TransitionTimes transitions = in_process::measure_transitions();
  const in_process::PresentTimes presents = in_process::measure_presents();
  in_process::stop();
  if (idle.music_page < 0 || idle.blink_page < 0 || first_frame < 0) {
    std::fprintf(stderr, "bench_real_display: the player did not run through its steps (idle %.4f / %.4f, first frame %.1f)\n",
                 idle.music_page, idle.blink_page, first_frame);
    return 1;
  }

  std::fputs(transitions.report.c_str(), stdout);
  std::printf("present %.3f ms, bare SDL present %.3f ms; first title frame after %.1f ms\n", presents.ours_ms,
              presents.bare_ms, first_frame);
  std::printf("idle on a page with music %.4f cores, on a blinking page %.4f cores\n", idle.music_page,
              idle.blink_page);
  std::printf("RATIO idle_cpu_music_page %.4f goal <= 0.01\n", idle.music_page);
  std::printf("RATIO idle_cpu_blink_page %.4f goal <= 0.02\n", idle.blink_page);
  std::printf("RATIO transition_real_vs_pauses %.3f goal <= 1.10 (the best %.3f, never below 1)\n",
              transitions.worst_ratio, transitions.best_ratio);
  std::printf("RATIO present_vs_bare_sdl %.3f goal <= 2\n", presents.ours_ms / presents.bare_ms);
  std::printf("RATIO first_frame_ms %.1f goal <= 200\n", first_frame);
  return 0;
}
