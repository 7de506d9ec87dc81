#include "in_process_display.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <ctime>
#include <thread>

#include "graphics/screen_context.h"
#include "platform/sdl/sdl_player.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/sdl_time.h"
#include "screens/transitions.h"
#include "shell/main_loop.h"
#include "shell/program_state.h"
#include "shell/startup.h"

namespace in_process {

namespace {

namespace sdl = platform::sdl;

constexpr int effects = 8;
constexpr int present_rounds = 7;
constexpr int presents_per_round = 60;

std::int64_t pause_sum_ms(int effect) {
  const WipePlan plan = *wipe_plan(effect);
  return (plan.passes - 1) * wipe_pass_pause_ms +
         std::int64_t{plan.passes} * (plan.steps_per_pass / plan.steps_per_pause) * plan.pause_ms;
}

void fill(platform::Surface& surface, std::uint8_t value) { std::memset(surface.pixels.data(), value, surface.pixels.size()); }

// Until the frame a present held back has reached the display.
void flush_presents() {
  while (const std::optional<std::int64_t> due = sdl::pending_present_us()) {
    sdl::sleep_until_us(*due);
    sdl::present_if_due();
  }
}

long long monotonic_ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

}  // namespace

bool start() {
  reset_program_state();
  return startup();
}

void stop() {
  shutdown();
  platform::destroy_window(screen.main_window);
  sdl::close_player();
}

TransitionTimes measure_transitions() {
  TransitionTimes times{0, 1e9, ""};
  for (int effect = 1; effect <= effects; ++effect) {
    fill(*screen.back_buffer, static_cast<std::uint8_t>(effect * 30));
    flush_presents();
    const std::int64_t started = sdl::monotonic_us();
    run_transition(effect);
    flush_presents();
    const double real_ms = (sdl::present_record().last_present_us - started) / 1000.0;
    const double ratio = real_ms / static_cast<double>(pause_sum_ms(effect));
    times.worst_ratio = std::max(times.worst_ratio, ratio);
    times.best_ratio = std::min(times.best_ratio, ratio);
    times.report += "effect " + std::to_string(effect) + ": " + std::to_string(real_ms) + " ms for " +
                    std::to_string(pause_sum_ms(effect)) + " ms of pauses\n";
  }
  return times;
}

// The fastest of several rounds of each, in turns: the machine is shared.
PresentTimes measure_presents() {
  SDL_Renderer* renderer = sdl::screen_renderer();
  SDL_Texture* bare = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                        platform::screen_width, platform::screen_height);
  const platform::Surface& frame = *screen.primary_surface;
  PresentTimes times{1e9, 1e9};
  for (int round = 0; round < present_rounds; ++round) {
    auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < presents_per_round; ++i) sdl::present_now(frame);
    times.ours_ms = std::min(times.ours_ms, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count() / presents_per_round);
    begin = std::chrono::steady_clock::now();
    for (int i = 0; i < presents_per_round; ++i) {
      SDL_UpdateTexture(bare, nullptr, frame.pixels.data(), frame.pitch);
      SDL_RenderCopy(renderer, bare, nullptr, nullptr);
      SDL_RenderPresent(renderer);
    }
    times.bare_ms = std::min(times.bare_ms, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count() / presents_per_round);
  }
  SDL_DestroyTexture(bare);
  return times;
}

double first_frame_ms_since(long long spawned_ns) {
  std::atomic<double> first_ms{-1};
  std::atomic<bool> done{false};
  // The program runs on this thread; the watcher ends it once its first frame is shown.
  std::thread watcher([&] {
    while (!done) {
      const sdl::PresentRecord record = sdl::present_record();
      if (record.presents > 0) {
        const long long shown_ns = monotonic_ns() - (sdl::monotonic_us() - record.first_present_us) * 1000LL;
        first_ms = (shown_ns - spawned_ns) / 1e6;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        return;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });
  WinMain();
  done = true;
  watcher.join();
  sdl::close_player();
  return first_ms;
}

}  // namespace in_process
