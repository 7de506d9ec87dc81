#include "screens/editor_clicks.h"

#include "book/page_table.h"
#include "screens/edit_modes.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "screens/page_editing.h"
#include "sound/sound_playback.h"

namespace {

constexpr std::int32_t toolbar_top = 718;
constexpr std::int32_t toolbar_right = 800;
constexpr std::int32_t button_width = 50;
constexpr std::int32_t side_buttons_bottom = 50;

bool on_side_button_row(std::int32_t x, std::int32_t y) { return y < side_buttons_bottom && x >= 801 && x <= 999; }

EditorClick choose_or_carry_out(std::int32_t y) {
  if (editor.armed_mode != editor.edit_mode) {
    play_effect(editor_button_sound);
    editor.armed_mode = editor.edit_mode;
    return EditorClick::redraw;
  }
  carry_out_edit_mode(y);
  return editor.prompt_mode > 0 ? EditorClick::wait : EditorClick::redraw;
}

}  // namespace

std::int32_t editor_button_at(std::int32_t x, std::int32_t y) {
  if (y > toolbar_top && x >= 0 && x < toolbar_right) return x / button_width + 1;
  if (y >= side_buttons_bottom) return 0;
  if (x >= 801 && x <= 849) return 17;
  if (x >= 851 && x <= 899) return 18;
  if (x >= 901 && x <= 949) return 19;
  if (x >= 951 && x <= 999) return 20;
  return 0;
}

EditorClick editor_left_click(std::int32_t x, std::int32_t y) {
  if (editor.prompt_mode > 0) {
    editor.prompt_mode = 0;
    editor.new_picture = 0;
    editor.exchange_picture = 0;
    editor.armed_mode = 0;
    editor.edit_mode = 0;
    return EditorClick::redraw;
  }
  if (is_box_placement(editor.edit_mode)) {
    const int c = page_index(pages.current_page);
    std::int32_t* xs[] = {pages.box1_x, pages.box2_x, pages.box3_x};
    std::int32_t* ys[] = {pages.box1_y, pages.box2_y, pages.box3_y};
    xs[placed_box(editor.edit_mode) - 1][c] = x;
    ys[placed_box(editor.edit_mode) - 1][c] = y;
    show_page(pages.current_page, 1, 0);
    return EditorClick::wait;
  }
  if (on_side_button_row(x, y)) {
    editor.new_picture = 0;
    editor.exchange_picture = 0;
    const std::int32_t mode = editor_button_at(x, y);
    if (mode == 0) return EditorClick::not_taken;
    editor.edit_mode = mode;
    return choose_or_carry_out(y);
  }
  const std::int32_t mode = editor_button_at(x, y);
  if (mode >= 1 && mode <= last_toolbar_mode) {
    editor.edit_mode = mode;
    return choose_or_carry_out(y);
  }
  return EditorClick::not_taken;
}
