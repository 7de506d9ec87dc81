#include "shell/window_procedure.h"

#include <limits>

#include "book/book_file.h"
#include "book/page_table.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"
#include "screens/edit_modes.h"
#include "screens/editor_prompt.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "shell/box_blink.h"
#include "shell/startup.h"
#include "sound/sound_playback.h"

namespace {

// An arrow key nudges the box being placed by one pixel.
void nudge_box(std::int32_t dx, std::int32_t dy) {
  const int p = page_index(pages.current_page);
  std::int32_t* xs[] = {pages.box1_x, pages.box2_x, pages.box3_x};
  std::int32_t* ys[] = {pages.box1_y, pages.box2_y, pages.box3_y};
  if (!is_box_placement(editor.edit_mode)) return;
  const int box = placed_box(editor.edit_mode) - 1;
  // Positions are not limited to the screen. Mended fault "Signed overflow": never wrap.
  const auto step = [](std::int32_t v, std::int32_t d) {
    const std::int64_t moved = std::int64_t{v} + d;
    return moved > std::numeric_limits<std::int32_t>::max() || moved < std::numeric_limits<std::int32_t>::min() ? v : static_cast<std::int32_t>(moved);
  };
  xs[box][p] = step(xs[box][p], dx);
  ys[box][p] = step(ys[box][p], dy);
  show_page(pages.current_page, 1, 0);
}

// F3: the backup, only while the author switch is on; a failed write turns the switch off.
// Kept quirk "F3 switches the editor off": the backup resets the editor, nothing redraws.
void backup_command() {
  if (editor.author_switch != 1) return;
  editor.author_switch = write_backup();
  if (editor.author_switch == 1) play_effect(action_done_sound);
}

// Returns true when the key's handling ends without the default procedure.
bool keyboard_command(std::uintptr_t key) {
  switch (key) {
    case platform::VK_LEFT: nudge_box(-1, 0); break;
    case platform::VK_UP: nudge_box(0, -1); break;
    case platform::VK_RIGHT: nudge_box(1, 0); break;
    case platform::VK_DOWN: nudge_box(0, 1); break;
    case platform::VK_F1:
      editor.show_page_number = editor.show_page_number == 1 ? 0 : 1;
      show_page(pages.current_page, editor.status_view, 0);
      break;
    case platform::VK_F3: backup_command(); break;
    case platform::VK_F12:
      blink_stop_timer();
      platform::destroy_window(screen.main_window);
      return true;
    default: break;
  }
  return false;
}

}  // namespace

std::intptr_t window_procedure(platform::Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                               std::intptr_t second_parameter) {
  screen.main_window = window;
  switch (message) {
    case platform::WM_DESTROY:
      blink_stop_timer();
      shutdown();
      platform::post_quit_message(0);
      break;
    case platform::WM_ACTIVATE:
      mouse.mouse_active = first_parameter == platform::WA_ACTIVE || first_parameter == platform::WA_CLICKACTIVE;
      mouse_acquire_state();
      break;
    case platform::WM_KEYDOWN:
      if (editor.keys_enabled != 0 && keyboard_command(first_parameter)) return 0;
      break;
    case platform::WM_CHAR:
      if (editor.prompt_mode > 0) prompt_key(static_cast<std::uint8_t>(first_parameter & 0xFF), editor.prompt_mode);
      break;
    case platform::WM_TIMER:
      if (blink.blink_on == 0) {
        platform::kill_timer(screen.main_window, blink_timer_id);
        blink.blink_running = 0;
      } else {
        blink_step();
      }
      break;
    case platform::WM_USER: mouse_acquire_state(); break;
    default: break;
  }
  return platform::default_window_procedure(window, message, first_parameter, second_parameter);
}
