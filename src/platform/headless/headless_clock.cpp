#include "platform/headless/headless_clock.h"

#include <limits>

#include "platform/clock/clock.h"

namespace platform {

namespace {

std::int64_t virtual_now = 0;

}  // namespace

std::int64_t now_ms() { return virtual_now; }

void sleep_ms(std::int64_t ms) { headless::advance_ms(ms); }

namespace headless {

void advance_ms(std::int64_t ms) {
  if (ms <= 0) return;
  // A script may ask for any span; the clock stops at the end of its range.
  const std::int64_t room = std::numeric_limits<std::int64_t>::max() - virtual_now;
  virtual_now += ms < room ? ms : room;
}

void reset_clock() { virtual_now = 0; }

}  // namespace headless

}  // namespace platform
