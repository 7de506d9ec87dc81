#pragma once
// The box blink: on a marked page the screen alternates between the page as composed and the
// same page with the highlighted box pictures, driven by the one window timer.
#include <cstdint>

#include "screens/blink_state.h"

inline constexpr std::uintptr_t blink_timer_id = 1;

// Right after show_page presented a marked page in reader mode.
void blink_start();
// One timer message.
void blink_step();
// Kills the timer if it runs (blink_on keeps its value).
void blink_stop_timer();
