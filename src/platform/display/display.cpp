#include "platform/display/display.h"

#include "platform/display/display_backend.h"
#include "platform/display/display_state.h"

namespace platform {

namespace {

// One display, so one object can hold it at a time.
DisplayObject* holder = nullptr;

}  // namespace

const DisplayObject* held_display_object() { return holder; }

DisplayObject* create_display_object() {
  if (holder != nullptr || !backend_open_display()) return nullptr;
  holder = new DisplayObject;
  return holder;
}

void release_display_object(DisplayObject*& display) {
  // Only one object exists at a time, so a non-null slot holds the display.
  if (display == nullptr) return;
  restore_display_mode();
  backend_close_display();
  delete holder;
  holder = nullptr;
  display = nullptr;
}

bool set_exclusive_mode(Window* window) {
  if (holder == nullptr || window == nullptr) return false;
  if (holder->exclusive) return true;
  if (!backend_enter_exclusive(*window)) return false;
  holder->exclusive = true;
  return true;
}

bool set_display_mode(int width, int height, int bits) {
  if (holder == nullptr || !holder->exclusive) return false;
  if (width != screen_width || height != screen_height) return false;
  if (bits != mode_bits_32 && bits != mode_bits_16) return false;
  if (!backend_accept_mode(bits)) return false;
  holder->mode_switched = true;
  holder->format = bits == mode_bits_32 ? PixelFormat::xrgb8888 : PixelFormat::rgb565;
  return true;
}

void restore_display_mode() {
  if (holder == nullptr) return;
  if (holder->mode_switched) backend_restore_mode();
  if (holder->exclusive) backend_leave_exclusive();
  holder->mode_switched = false;
  holder->exclusive = false;
  holder->format = PixelFormat::xrgb8888;
}

}  // namespace platform
