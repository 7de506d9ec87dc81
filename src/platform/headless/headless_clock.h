#pragma once
// The headless clock is virtual: it starts at 0 and moves only when sleep_ms or
// advance_ms moves it, so pauses take no real time.
#include <cstdint>

namespace platform::headless {

// Moves the virtual clock forward by `ms` milliseconds (0 or less: not at all), as time
// passing outside the program would: the test or the script runner says when.
void advance_ms(std::int64_t ms);

}  // namespace platform::headless
