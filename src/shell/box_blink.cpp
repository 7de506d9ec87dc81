#include "shell/box_blink.h"

#include "book/page_table.h"
#include "graphics/picture_files.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/messages/timers.h"

void blink_stop_timer() {
  if (blink.blink_running != 1) return;
  platform::kill_timer(screen.main_window, blink_timer_id);
  blink.blink_running = 0;
}

void blink_start() {
  const int p = page_index(pages.current_page);
  blink.blink_phase = 0;
  // The frame just presented is on the primary after a flip and still in the back buffer after
  // a transition; the primary holds it in both cases.
  copy_whole_screen(screen.primary_surface, screen.blink_frame_0);
  copy_whole_screen(screen.primary_surface, screen.blink_frame_1);
  const std::int32_t shown[] = {pages.shown_box1, pages.shown_box2, pages.shown_box3};
  const std::int32_t xs[] = {pages.box1_x[p], pages.box2_x[p], pages.box3_x[p]};
  const std::int32_t ys[] = {pages.box1_y[p], pages.box2_y[p], pages.box3_y[p]};
  for (int slot = 1; slot <= 3; ++slot)
    if (shown[slot - 1] > 0 && mark_blinks_box(pages.mark[p], slot, shown[1], shown[2]))
      // Mended fault "Signed overflow": n + 1 in 64 bits, so box 2147483647 finds no picture.
      draw_box_highlight(std::int64_t{shown[slot - 1]} + 1, xs[slot - 1], ys[slot - 1]);
  blink.blink_interval = blink.blink_speed;
  if (blink.blink_running == 0 && platform::set_timer(screen.main_window, blink_timer_id, blink.blink_interval)) {
    blink.blink_running = 1;
    blink.blink_on = 1;
  }
}

// Kept quirk "Blink frames": the frames are the ones taken at the start, and the cursor drawn
// here is not saved under, so the cursor's save-under goes stale.
void blink_step() {
  if (blink.blink_on == 0) {
    platform::kill_timer(screen.main_window, blink_timer_id);
    blink.blink_running = 0;
    return;
  }
  blink.blink_phase = 1 - blink.blink_phase;
  copy_whole_screen(blink.blink_phase == 0 ? screen.blink_frame_0 : screen.blink_frame_1, screen.back_buffer);
  copy_from_atlas_keyed(mouse.cursor_sprite, screen.back_buffer, mouse.cursor_x, mouse.cursor_y);
  flip_primary();
}
