#pragma once
// The real clock under the SDL backend, in microseconds so presents can be spaced by a display
// refresh; the program's clock (clock.h) is this in whole milliseconds.
#include <cstdint>

namespace platform::sdl {

// Microseconds of the monotonic clock since the backend first asked; never goes back.
std::int64_t monotonic_us();

// Sleeps until monotonic_us() reaches `deadline_us` (returns at once when it has).
void sleep_until_us(std::int64_t deadline_us);

}  // namespace platform::sdl
