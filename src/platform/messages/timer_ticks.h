#pragma once
// How the queue takes timer ticks: shared by the queue and the timers, not by the program.
#include <cstdint>

#include "platform/display/display.h"
#include "platform/messages/window_messages.h"

namespace platform {

// Marks every timer with a tick due by `now` as having one waiting, dropping ticks that fall
// due while one waits; true when any timer has a tick waiting.
bool collect_timer_ticks(std::int64_t now);

// Takes the waiting tick of the timer set first, as its WM_TIMER; false when none waits.
bool take_timer_tick(Message& message);

// The timers of a window that is being destroyed go with it.
void kill_window_timers(Window* window);

void reset_timers();

}  // namespace platform
