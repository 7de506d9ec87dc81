#pragma once
// The box blink's state. The shell runs the blink; the reader menu sets its speed and stops
// its steps, so the record sits here where both reach it.
#include <cstdint>

inline constexpr std::int32_t blink_speed_at_start = 800;

struct BlinkState {
  std::uint8_t blink_running = 0;  // 1 while the timer is set
  std::uint8_t blink_on = 0;       // 0: the next timer message kills the timer
  std::int32_t blink_phase = 0;    // the frame the last step showed
  std::int32_t blink_interval = 0;
  std::int32_t blink_speed = blink_speed_at_start;  // 400, 600 or 800 ms, chosen in the reader menu
};

extern BlinkState blink;

void reset_blink_state();
