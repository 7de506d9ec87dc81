#include "platform/messages/timers.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "platform/clock/clock.h"
#include "platform/messages/timer_ticks.h"

namespace platform {

namespace {

struct Timer {
  Window* window = nullptr;
  std::uintptr_t id = 0;
  std::int64_t period_ms = 0;
  std::int64_t next_due_ms = 0;
  bool tick_waiting = false;
};

// In the order they were set; the program has one.
std::vector<Timer> timers;

std::int64_t saturating_add(std::int64_t a, std::int64_t b) {
  const std::int64_t room = std::numeric_limits<std::int64_t>::max() - a;
  return b < room ? a + b : std::numeric_limits<std::int64_t>::max();
}

std::vector<Timer>::iterator find_timer(Window* window, std::uintptr_t id) {
  return std::find_if(timers.begin(), timers.end(),
                      [&](const Timer& t) { return t.window == window && t.id == id; });
}

}  // namespace

bool set_timer(Window* window, std::uintptr_t id, std::int64_t period_ms) {
  if (!is_live_window(window)) return false;
  const std::int64_t period = std::clamp(period_ms, shortest_timer_period_ms, longest_timer_period_ms);
  const Timer timer{window, id, period, saturating_add(now_ms(), period), false};
  const auto existing = find_timer(window, id);
  if (existing != timers.end())
    *existing = timer;
  else
    timers.push_back(timer);
  return true;
}

bool kill_timer(Window* window, std::uintptr_t id) {
  const auto timer = find_timer(window, id);
  if (timer == timers.end()) return false;
  timers.erase(timer);
  return true;
}

std::optional<std::int64_t> next_timer_due_ms() {
  std::optional<std::int64_t> next;
  for (const Timer& t : timers)
    if (!next || t.next_due_ms < *next) next = t.next_due_ms;
  return next;
}

bool collect_timer_ticks(std::int64_t now) {
  bool any_waiting = false;
  for (Timer& t : timers) {
    if (t.next_due_ms <= now) {
      t.tick_waiting = true;
      // Every later tick due by now is dropped; the next one falls on the period grid.
      const std::int64_t periods_passed = (now - t.next_due_ms) / t.period_ms;
      t.next_due_ms = saturating_add(t.next_due_ms + periods_passed * t.period_ms, t.period_ms);
    }
    any_waiting = any_waiting || t.tick_waiting;
  }
  return any_waiting;
}

bool take_timer_tick(Message& message) {
  const auto waiting = std::find_if(timers.begin(), timers.end(),
                                    [](const Timer& t) { return t.tick_waiting; });
  if (waiting == timers.end()) return false;
  waiting->tick_waiting = false;
  message = Message{waiting->window, WM_TIMER, waiting->id, 0};
  return true;
}

void kill_window_timers(Window* window) {
  std::erase_if(timers, [window](const Timer& t) { return t.window == window; });
}

void reset_timers() { timers.clear(); }

}  // namespace platform
