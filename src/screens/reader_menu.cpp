#include "screens/reader_menu.h"

#include <limits>

#include "book/page_table.h"
#include "graphics/picture_files.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "screens/blink_state.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "sound/music.h"
#include "sound/sound_state.h"

namespace {

constexpr std::int32_t max_transition = 8;
constexpr std::int32_t slider_step = 40;

bool within(std::int32_t v, std::int32_t low, std::int32_t high) { return v >= low && v <= high; }

void draw_slider(std::int32_t y, std::int32_t value) {
  copy_from_atlas(atlas::slider_bar, screen.back_buffer, menu_panel_x, y);
  // A book may hold any number as an effect: the knob's place is computed without overflow,
  // and a place past the int32 range is off any surface, so no knob is drawn.
  const std::int64_t knob_x = menu_panel_x + std::int64_t{slider_step} * value;
  if (knob_x >= std::numeric_limits<std::int32_t>::min() && knob_x <= std::numeric_limits<std::int32_t>::max())
    copy_from_atlas_keyed(atlas::mark_symbol, screen.back_buffer, static_cast<std::int32_t>(knob_x), y + 26);
}

void draw_menu() {
  const int p = page_index(pages.current_page);
  const std::int32_t picture = pages.picture[p];
  pages.shown_box1 = pages.box1[p];
  pages.shown_box2 = pages.box2[p];
  pages.shown_box3 = pages.box3[p];
  if (picture > 0) load_picture(target_page_surface, picture);
  copy_whole_screen(screen.page_surface, screen.back_buffer);
  draw_page_boxes(p);
  copy_from_atlas(atlas::menu_panel, screen.back_buffer, menu_panel_x, menu_panel_y);
  copy_from_atlas(atlas::volume_marker, screen.back_buffer, 126, 280 + 20 * sound.music_volume_level);
  if (editor.author_switch == 1) {
    draw_slider(30, pages.back_transition[p]);
    draw_slider(580, pages.forward_transition[p]);
  }
  flip_primary();
  mouse.cursor_saved = 0;
}

std::int32_t slider_value(std::int32_t x) {
  const std::int32_t value = (x - menu_panel_x) / slider_step;
  return value > max_transition ? max_transition : value;
}

enum class Click { redraw, result, ignored };

Click menu_click(std::int32_t x, std::int32_t y, std::int32_t& result) {
  const int p = page_index(pages.current_page);
  if (within(x, 106, 114) && within(y, 106, 112)) {
    if (editor.editor_on == 0) {
      editor.editor_on = 1;
      editor.transition = 0;
      editor.status_view = 1;
    } else {
      editor.editor_on = 0;
      editor.status_view = 0;
      editor.armed_mode = 0;
    }
    result = menu_back_to_book;
    return Click::result;
  }
  if (within(x, 198, 210) && within(y, 106, 112)) {
    editor.author_switch = editor.author_switch == 1 ? 0 : 1;
    return Click::redraw;
  }
  if (within(x, 137, 167) && within(y, 275, 293)) {
    music_louder();
    return Click::redraw;
  }
  if (within(x, 137, 167) && within(y, 455, 473)) {
    music_quieter();
    return Click::redraw;
  }
  if (within(x, 351, 499) && within(y, 441, 489)) {
    blink.blink_speed = x <= 399 ? 800 : (x <= 449 ? 600 : 400);
    result = menu_blink_speed_chosen;
    return Click::result;
  }
  if (editor.author_switch == 1 && within(x, 101, 579) && within(y, 31, 79)) {
    pages.back_transition[p] = slider_value(x);
    return Click::redraw;
  }
  if (editor.author_switch == 1 && within(x, 101, 579) && within(y, 581, 629)) {
    pages.forward_transition[p] = slider_value(x);
    return Click::redraw;
  }
  if (within(x, 351, 679) && within(y, 121, 369)) {
    std::int32_t entry = (y - 120) / 50 + 1;
    result = entry < 1 ? 1 : (entry > 5 ? 5 : entry);
    return Click::result;
  }
  return Click::ignored;
}

}  // namespace

std::int32_t reader_menu() {
  blink.blink_on = 0;
  editor.transition = 1;
  std::int32_t result = 0;
  for (;;) {
    draw_menu();
    for (;;) {
      if (wait_for_click() == 0) return result;
      if (mouse.click_button == 2) return menu_back_to_book;
      const Click click = menu_click(mouse.cursor_x, mouse.cursor_y, result);
      if (click == Click::result) return result;
      if (click == Click::redraw) break;
    }
  }
}
