#include "screens/transitions.h"

#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/clock/clock.h"
#include "platform/display/surfaces.h"

namespace {

using platform::screen_height;
using platform::screen_width;

constexpr std::int32_t block_width = 128;
constexpr std::int32_t block_height = 96;
constexpr int blocks_per_column = screen_height / block_height;
constexpr int column_steps = screen_width / 2;
constexpr int row_steps = screen_height / 2;

WipeRect column(std::int32_t x, std::int32_t width) { return {x, 0, width, screen_height}; }
WipeRect row(std::int32_t y) { return {0, y, screen_width, 1}; }

WipeStep one(WipeRect rect) { return {1, {rect, {}}}; }
WipeStep two(WipeRect first, WipeRect second) { return {2, {first, second}}; }

// The pauses are deadlines counted from the wipe's start, so the time a real display takes
// to show each step is not added to the wipe.
class PauseClock {
 public:
  PauseClock() : deadline_(platform::now_ms()) {}
  // A real display shows the wipe as it goes, not only at its end.
  void pause(std::int64_t ms) {
    platform::present_primary();
    deadline_ += ms;
    platform::sleep_ms(deadline_ - platform::now_ms());
  }

 private:
  std::int64_t deadline_;
};

void run_wipe(std::int32_t effect, const WipePlan& plan) {
  PauseClock clock;
  for (int pass = 0; pass < plan.passes; ++pass) {
    if (pass > 0) clock.pause(wipe_pass_pause_ms);
    int counter = 0;
    for (int i = 0; i < plan.steps_per_pass; ++i) {
      const WipeStep step = wipe_step(effect, pass, i);
      for (int r = 0; r < step.rect_count; ++r) {
        const WipeRect& rect = step.rects[r];
        copy_rect(screen.back_buffer, rect.x, rect.y, rect.width, rect.height, screen.primary_surface,
                  rect.x, rect.y);
      }
      if (++counter == plan.steps_per_pause) {
        clock.pause(plan.pause_ms);
        counter = 0;
      }
    }
  }
  platform::present_primary();
}

}  // namespace

std::optional<WipePlan> wipe_plan(std::int32_t effect) {
  switch (effect) {
    case 1:
    case 2: return WipePlan{1, column_steps, 8, 1};
    case 3:
    case 4: return WipePlan{1, column_steps, 8, 4};
    case 5: return WipePlan{2, column_steps, 8, 4};
    case 6:
    case 7: return WipePlan{2, row_steps, 8, 4};
    case 8: return WipePlan{1, blocks_per_column * (screen_width / block_width), 1, 20};
    default: return std::nullopt;
  }
}

WipeStep wipe_step(std::int32_t effect, int pass, int i) {
  const std::int32_t even_from_end = 2 * (column_steps - 1) - 2 * i;  // 1022, 1020, ... 0
  switch (effect) {
    case 1: return two(column(column_steps - 1 - i, 1), column(column_steps + i, 1));
    case 2: return two(column(screen_width - 1 - i, 1), column(i, 1));
    case 3: return one(column(even_from_end, 2));
    case 4: return one(column(2 * i, 2));
    case 5: return one(column(pass == 0 ? even_from_end : even_from_end + 1, 1));
    case 6: return one(row(pass == 0 ? screen_height - 2 - 2 * i : screen_height - 1 - 2 * i));
    case 7: return one(row(pass == 0 ? 2 * i : screen_height - 1 - 2 * i));
    case 8:
      return one({block_width * (i / blocks_per_column), block_height * (i % blocks_per_column), block_width,
                  block_height});
    default: return {};
  }
}

void run_transition(std::int32_t effect) {
  mouse.cursor_visible = 0;
  if (mouse.cursor_saved == 1)
    copy_from_atlas(cursor_save_under(), screen.primary_surface, mouse.drawn_cursor_x, mouse.drawn_cursor_y);
  if (const std::optional<WipePlan> plan = wipe_plan(effect)) {
    run_wipe(effect, *plan);
  } else {
    flip_primary();
  }
  mouse.cursor_visible = 1;
  mouse.cursor_saved = 0;
}
