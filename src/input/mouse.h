#pragma once
// The mouse state and the mouse objects: the program reads a relative mouse and draws its own
// cursor from the interface atlas.
#include <cstdint>

#include "graphics/atlas_layout.h"
#include "platform/display/display.h"
#include "platform/display/surface.h"
#include "platform/input/mouse_device.h"

struct MouseObjects {
  platform::InputObject* input = nullptr;
  platform::MouseDevice* device = nullptr;
  platform::MouseEvent* event = nullptr;
};

// The pointer's last positions: the screen less the cursor's size.
inline constexpr std::int32_t cursor_limit_x_at_start = platform::screen_width - atlas::cursor.width;
inline constexpr std::int32_t cursor_limit_y_at_start = platform::screen_height - atlas::cursor.height;

struct MouseState {
  std::int32_t mouse_x = 497, mouse_y = 369;
  std::int32_t cursor_x = 0, cursor_y = 0;
  std::int32_t drawn_cursor_x = 0, drawn_cursor_y = 0;
  std::int32_t click_button = 0;  // 0 none, 1 left, 2 right
  std::int32_t mouse_active = 0;
  std::uint8_t cursor_visible = 1;
  std::uint8_t cursor_saved = 0;
  std::uint8_t quit_seen = 0;
  AtlasRect cursor_sprite = atlas::cursor;
  std::int32_t cursor_limit_x = cursor_limit_x_at_start;
  std::int32_t cursor_limit_y = cursor_limit_y_at_start;
};

extern MouseObjects mouse_objects;
extern MouseState mouse;

// Gives the mouse state its start-up values (the objects are not touched).
void reset_mouse_state();

// Creates the input object, the mouse device with its 16-item buffer and the mouse event.
// 1 on success, 0 at the first step that fails (what was made is left for shutdown).
std::int32_t mouse_init(platform::Window* window);

// Releases the input object, the device and the event, in that order.
void mouse_release();

// The atlas rectangle that keeps the pixels under the drawn cursor, of the cursor's size.
inline AtlasRect cursor_save_under() {
  return {atlas::cursor_save_under.x, atlas::cursor_save_under.y, mouse.cursor_sprite.width,
          mouse.cursor_sprite.height};
}

// Acquires the device while mouse_active is 1, else unacquires it.
void mouse_acquire_state();
// One relative movement, doubled and clamped to the screen less the cursor's size.
void mouse_move(std::int32_t dx, std::int32_t dy);
// Drains buffered items up to a button press; sets click_button.
void mouse_read(platform::Window* window);
// The message pump: 1 after a button press (click_button, cursor_x, cursor_y set), 0 once the
// quit message has been retrieved (now or before).
std::int32_t wait_for_click();
