// The program's clock on a real display. A pause may hold a frame waiting for the next display
// refresh; it is shown when its refresh comes, inside the pause, without lengthening it.
#include <algorithm>

#include "platform/clock/clock.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/sdl_time.h"

namespace platform {

namespace {
constexpr std::int64_t us_per_ms = 1000;
}  // namespace

std::int64_t now_ms() { return sdl::monotonic_us() / us_per_ms; }

void sleep_ms(std::int64_t ms) {
  if (ms <= 0) return;
  const std::int64_t end_us = sdl::monotonic_us() + ms * us_per_ms;
  for (;;) {
    const std::int64_t now = sdl::monotonic_us();
    if (now >= end_us) return;
    if (sdl::present_due(now)) {
      sdl::present_if_due();
      continue;
    }
    const std::optional<std::int64_t> next_present = sdl::pending_present_us();
    sdl::sleep_until_us(next_present ? std::min(end_us, *next_present) : end_us);
  }
}

}  // namespace platform
