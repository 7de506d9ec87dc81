#pragma once
// The one clock every pause, timer and sound position goes through. The backend supplies
// it: real time on a real display, a virtual clock on the headless backend.
#include <cstdint>

namespace platform {

// Milliseconds since the backend started; never goes back.
std::int64_t now_ms();

// Sleeps at least `ms` milliseconds (0 or less: returns at once).
void sleep_ms(std::int64_t ms);

}  // namespace platform
