#include "platform/sdl/sdl_time.h"

#include <cerrno>
#include <ctime>

namespace platform::sdl {

namespace {

constexpr std::int64_t us_per_s = 1'000'000;
constexpr std::int64_t ns_per_us = 1'000;

std::int64_t raw_us() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * us_per_s + now.tv_nsec / ns_per_us;
}

const std::int64_t origin_us = raw_us();

}  // namespace

std::int64_t monotonic_us() { return raw_us() - origin_us; }

void sleep_until_us(std::int64_t deadline_us) {
  const std::int64_t raw_deadline = deadline_us + origin_us;
  const timespec until{static_cast<time_t>(raw_deadline / us_per_s),
                       static_cast<long>(raw_deadline % us_per_s * ns_per_us)};
  // An absolute deadline: a signal that interrupts the sleep does not stretch it.
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

}  // namespace platform::sdl
