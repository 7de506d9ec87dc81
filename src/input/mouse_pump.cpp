#include <cstdio>

#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "graphics/text_output.h"
#include "input/mouse.h"
#include "platform/display/surfaces.h"
#include "platform/messages/message_wait.h"
#include "platform/messages/window_messages.h"
#include "screens/editor_state/editor_state.h"

namespace {

constexpr std::uint8_t button_pressed = 0x80;

std::int32_t clamp_axis(std::int64_t value, std::int32_t limit) {
  if (value < 0) return 0;
  if (value >= limit) return limit - 1;
  return static_cast<std::int32_t>(value);
}

void draw_cursor() {
  const AtlasRect save_under = cursor_save_under();
  if (mouse.cursor_saved == 1)
    copy_from_atlas(save_under, screen.primary_surface, mouse.drawn_cursor_x, mouse.drawn_cursor_y);
  copy_rect(screen.primary_surface, mouse.cursor_x, mouse.cursor_y, save_under.width, save_under.height,
            screen.interface_atlas, save_under.x, save_under.y);
  mouse.cursor_saved = 1;
  copy_from_atlas_keyed(mouse.cursor_sprite, screen.primary_surface, mouse.cursor_x, mouse.cursor_y);
}

// Keeps the device's opaque default background: the numbers overwrite their old digits.
void draw_position_readout() {
  DeviceContext dc;
  if (!get_dc(screen.primary_surface, dc)) return;
  select_font(dc, screen.system_font);
  set_text_color(dc, 0, 0, 0);
  char text[32];
  std::snprintf(text, sizeof text, "%d  *", mouse.mouse_x);
  text_out(dc, 950, 10, text);
  std::snprintf(text, sizeof text, "%d  ", mouse.mouse_y);
  text_out(dc, 950, 30, text);
  std::snprintf(text, sizeof text, "%d  ", editor.menu_choice);
  text_out(dc, 950, 50, text);
  release_dc(dc);
}

}  // namespace

void mouse_acquire_state() {
  if (!mouse_objects.device) return;
  if (mouse.mouse_active == 1)
    platform::acquire_mouse(mouse_objects.device);
  else
    platform::unacquire_mouse(mouse_objects.device);
}

// Kept quirk "Doubled mouse movement": twice the counts, stopping at the limit less one.
void mouse_move(std::int32_t dx, std::int32_t dy) {
  mouse.mouse_x = clamp_axis(std::int64_t{mouse.mouse_x} + 2 * std::int64_t{dx}, mouse.cursor_limit_x);
  mouse.mouse_y = clamp_axis(std::int64_t{mouse.mouse_y} + 2 * std::int64_t{dy}, mouse.cursor_limit_y);
  mouse.cursor_x = mouse.mouse_x;
  mouse.cursor_y = mouse.mouse_y;
}

void mouse_read(platform::Window* window) {
  mouse.click_button = 0;
  for (;;) {
    platform::MouseItem item;
    const platform::MouseReadResult result = platform::read_mouse_item(mouse_objects.device, item);
    if (result == platform::MouseReadResult::input_lost) {
      platform::post_message(window, platform::WM_USER, 0, 0);
      return;
    }
    if (result != platform::MouseReadResult::item) return;
    switch (item.kind) {
      case platform::MouseItemKind::x_axis: mouse_move(item.data, 0); break;
      case platform::MouseItemKind::y_axis: mouse_move(0, item.data); break;
      case platform::MouseItemKind::button_0:
        if (item.data & button_pressed) {
          mouse.click_button = 1;
          return;
        }
        break;
      case platform::MouseItemKind::button_1:
        if (item.data & button_pressed) {
          mouse.click_button = 2;
          return;
        }
        break;
      case platform::MouseItemKind::other: break;
    }
  }
}

std::int32_t wait_for_click() {
  for (;;) {
    if (mouse.quit_seen == 1) return 0;
    if (platform::wait_for_mouse_event_or_message(mouse_objects.event) == platform::WaitWake::mouse_event) {
      mouse_read(screen.main_window);
      if (mouse.cursor_visible == 1) draw_cursor();
      mouse.drawn_cursor_x = mouse.cursor_x;
      mouse.drawn_cursor_y = mouse.cursor_y;
      if (editor.author_switch == 1) draw_position_readout();
      platform::present_primary();
      if (mouse.click_button > 0) return 1;
      continue;
    }
    platform::Message message;
    while (platform::peek_message(message)) {
      if (message.message == platform::WM_QUIT) {
        mouse.quit_seen = 1;
        return 0;
      }
      platform::translate_message(message);
      platform::dispatch_message(message);
    }
  }
}
