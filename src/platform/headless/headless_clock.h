#pragma once
// The headless clock is virtual: it starts at 0 and moves only when sleep_ms or
// advance_ms moves it, so pauses take no real time.
#include <cstdint>

namespace platform::headless {

// Moves the virtual clock forward by `ms` milliseconds (0 or less: not at all), as time
// passing outside the program would: the test or the script runner says when.
void advance_ms(std::int64_t ms);

// Back to 0, as when a process starts: for running the program again in the same process.
// Timers and a running sound device keep their own times, so reset them first.
void reset_clock();

}  // namespace platform::headless
