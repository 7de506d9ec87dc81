#pragma once
// The box blink: on a marked page the screen alternates between the page as composed and the
// same page with the highlighted box pictures, driven by the one window timer.
#include <cstdint>

#include "screens/blink_state.h"

inline constexpr std::uintptr_t blink_timer_id = 1;

// Which boxes a page's mark makes blink: 1 to 3 their box, 4 boxes 2 and 3 together but only
// when the page has both. The author tools ask the same question.
inline constexpr std::int32_t largest_mark = 4;
inline bool mark_blinks_box(std::int32_t mark, int slot, std::int32_t box2, std::int32_t box3) {
  if (mark >= 1 && mark < largest_mark) return mark == slot;
  return mark == largest_mark && slot >= 2 && box2 > 0 && box3 > 0;
}

// Right after show_page presented a marked page in reader mode.
void blink_start();
// One timer message.
void blink_step();
// Kills the timer if it runs (blink_on keeps its value).
void blink_stop_timer();
