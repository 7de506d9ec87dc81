#include "shell/main_loop.h"

#include <cstring>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "graphics/picture_files.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/messages/window_messages.h"
#include "screens/edit_modes.h"
#include "screens/editor_clicks.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "screens/reader_menu.h"
#include "shell/box_blink.h"
#include "shell/startup.h"
#include "shell/window_procedure.h"
#include "sound/music.h"
#include "sound/sound_channels.h"
#include "sound/sound_playback.h"
#include "sound/sound_state.h"

namespace {

constexpr std::int32_t interface_atlas_picture = 1;
constexpr std::int32_t title_picture = 2;

enum class Next { redraw, wait, exit };

void blink_if_marked() {
  if (pages.mark[page_index(pages.current_page)] > 0 && blink.blink_running == 0) blink_start();
}

void stop_blink() {
  blink.blink_on = 0;
  blink_stop_timer();
}

void prepare_state() {
  config.title_music = 0;
  sound.title_music_on = 0;
  set_default_names();
}

void set_up_view_state() {
  mouse.cursor_sprite = atlas::cursor;
  mouse.cursor_limit_x = cursor_limit_x_at_start;
  mouse.cursor_limit_y = cursor_limit_y_at_start;
  mouse.cursor_saved = 0;
  mouse.cursor_visible = 1;
  editor.author_switch = 0;
  mouse.cursor_x = 0;
  mouse.cursor_y = 0;
  blink.blink_running = 0;
  blink.blink_on = 0;
  blink.blink_speed = blink_speed_at_start;
  editor.entry_text[0] = '\0';
  editor.prompt_mode = 0;
  forget_loaded_pictures();
}

void reset_edit_state() {
  blink.blink_on = 0;
  editor.prompt_mode = 0;
  editor.entry_limit = entry_limit_at_startup;
  blink.blink_phase = 0;
  editor.show_page_number = 0;
  editor.transition = 1;
  editor.status_view = 0;
  editor.editor_on = 0;
  editor.armed_mode = 0;
  editor.new_picture = 0;
  editor.exchange_picture = 0;
  editor.keys_enabled = 0;
  pages.default_box1_x = default_box1_position_at_start;
  pages.default_box1_y = default_box1_position_at_start;
}

Next turn_page(bool forward) {
  stop_blink();
  const int leaving = page_index(pages.current_page);
  editor.transition = forward ? pages.forward_transition[leaving] : pages.back_transition[leaving];
  pages.current_page += forward ? 1 : -1;
  play_effect(page_turn_sound);
  if (forward && pages.current_page > pages.page_count) {
    pages.current_page = pages.start_page;
    reset_played_flags();
  } else if (!forward && pages.current_page < pages.start_page) {
    pages.current_page = pages.page_count;
    reset_played_flags();
  }
  // Forwards the new music starts before the page appears, backwards only after it.
  if (forward) follow_back_sound();
  show_page(pages.current_page, editor.status_view, editor.transition);
  if (!forward) follow_back_sound();
  if (editor.editor_on == 0) blink_if_marked();
  return Next::wait;
}

Next reader_menu_path() {
  editor.editor_on = 0;
  editor.prompt_mode = 0;
  editor.status_view = 0;
  editor.armed_mode = 0;
  editor.edit_mode = 0;
  stop_blink();
  editor.menu_choice = reader_menu();
  if (mouse.quit_seen == 1) return Next::exit;
  switch (editor.menu_choice) {
    case menu_quit: return Next::exit;
    case menu_start_page:
      pages.current_page = pages.start_page;
      reset_played_flags();
      break;
    case menu_last_page:
      pages.current_page = pages.page_count;
      reset_played_flags();
      break;
    case menu_music: toggle_title_music(); break;
    default: break;
  }
  show_page(pages.current_page, editor.status_view, editor.transition);
  if (editor.editor_on == 0) blink_if_marked();
  return Next::wait;
}

// Kept quirk "An open prompt outlives the editor": prompt_mode stays as it is.
Next leave_editor() {
  editor.editor_on = 0;
  editor.status_view = 0;
  editor.new_picture = 0;
  editor.exchange_picture = 0;
  editor.armed_mode = 0;
  editor.edit_mode = 0;
  editor.transition = 1;
  // Two plain flips leave the page in both buffers.
  show_page(pages.current_page, 0, 0);
  show_page(pages.current_page, 0, 0);
  blink_if_marked();
  return Next::wait;
}

Next reader_left_click() {
  editor.menu_choice = nav_bar_hit();
  switch (editor.menu_choice) {
    case 1: return Next::redraw;
    case 2: return reader_menu_path();
    case 3: return turn_page(false);
    case 4: return turn_page(true);
    default: return Next::wait;
  }
}

Next dispatch_click() {
  if (editor.editor_on == 1) {
    if (mouse.click_button == 2) {
      if (is_box_placement(editor.edit_mode)) {
        editor.edit_mode = 0;
        return Next::redraw;
      }
      return leave_editor();
    }
    switch (editor_left_click(mouse.cursor_x, mouse.cursor_y)) {
      case EditorClick::redraw: return Next::redraw;
      case EditorClick::wait: return Next::wait;
      case EditorClick::not_taken: break;
    }
    return reader_left_click();
  }
  if (mouse.click_button == 2) return reader_menu_path();
  return reader_left_click();
}

void exit_path() {
  blink_stop_timer();
  shutdown();
}

}  // namespace

std::int32_t nav_bar_hit() {
  const NavBar& bar = editor.nav_bar;
  if (mouse.cursor_y <= bar.top || mouse.cursor_y >= bar.bottom) return 0;
  if (mouse.cursor_x <= bar.left || mouse.cursor_x >= bar.right) return 0;
  std::int32_t k = (mouse.cursor_x - bar.left) / nav_button_width;
  k = k < 0 ? 0 : (k > 3 ? 3 : k);
  return k + 1;
}

int WinMain() {
  platform::register_window_procedure(window_procedure);
  if (!startup()) return 0;
  prepare_state();
  if (read_configuration("lurinf.bin") < 0) {
    exit_path();
    return 0;
  }
  sound_startup(1);
  set_up_view_state();
  load_picture(target_interface_atlas, interface_atlas_picture);
  reset_edit_state();
  open_book();
  start_title_music();
  show_title_screen(title_picture);
  if (wait_for_click() == 0) {
    exit_path();
    return 0;
  }
  editor.keys_enabled = 1;
  show_page(pages.current_page, editor.status_view, editor.transition);
  blink_if_marked();

  Next next = Next::wait;
  for (;;) {
    if (next == Next::redraw) {
      blink_stop_timer();
      show_page(pages.current_page, editor.status_view, editor.transition);
    }
    if (wait_for_click() == 0) break;
    next = dispatch_click();
    if (next == Next::exit) break;
  }
  exit_path();
  return 0;
}
