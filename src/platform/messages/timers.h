#pragma once
// Periodic window timers, delivered as WM_TIMER messages through the queue. A tick is due
// every period after the timer was set. As on Windows, a timer has at most one tick waiting
// to be taken: a tick that falls due while the last one has not been taken is dropped.
#include <cstdint>
#include <optional>

#include "platform/display/display.h"

namespace platform {

// Periods are held to this range, as the system held them: a shorter one would flood the
// queue, a longer one does not fit the system's timer.
inline constexpr std::int64_t shortest_timer_period_ms = 10;
inline constexpr std::int64_t longest_timer_period_ms = 0x7FFFFFFF;

// Sets timer `id` of a live window to tick every `period_ms` from now; setting an existing
// timer again restarts it with the new period (and drops a tick waiting to be taken). The
// tick's WM_TIMER carries `id` as its first parameter. False for a window that does not exist.
bool set_timer(Window* window, std::uintptr_t id, std::int64_t period_ms);

// Removes the timer and a tick of it waiting to be taken; false when there was no such timer.
bool kill_timer(Window* window, std::uintptr_t id);

// For a backend's wait: the clock time (now_ms) at which the next tick of any timer falls
// due, which may lie in the past; none when no timer is set.
std::optional<std::int64_t> next_timer_due_ms();

}  // namespace platform
