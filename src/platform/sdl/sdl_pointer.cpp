#include "platform/sdl/sdl_pointer.h"

#include "platform/input/mouse_device.h"
#include "platform/geometry/pointer_follower.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/sdl_time.h"

namespace platform::sdl {

namespace {

constexpr int button_pressed = 0x80;
constexpr int button_released = 0;

// A window manager places a window within a few frames; a bare X server at once.
constexpr std::int64_t longest_settling_us = 500'000;

PointerFollower follower;
std::optional<std::int64_t> settling_until_us;

void end_settling() {
  settling_until_us.reset();
  place_system_pointer(follower.x(), follower.y());
}

void deliver_x(std::int32_t counts) {
  if (counts != 0 && deliver_mouse_item({MouseItemKind::x_axis, counts})) follower.moved_x(counts);
}

void deliver_y(std::int32_t counts) {
  if (counts != 0 && deliver_mouse_item({MouseItemKind::y_axis, counts})) follower.moved_y(counts);
}

// The system pointer is hidden over the frame, where the program draws its own.
void follow_system_pointer(int window_x, int window_y) {
  if (settling_until_us) return;
  const FramePoint output = output_of_window_point(window_x, window_y);
  const Letterbox box = pointer_letterbox();
  const FramePoint frame = frame_point(box, output.x, output.y);
  const Counts counts = follower.counts_to(frame.x, frame.y);
  deliver_x(counts.dx);
  deliver_y(counts.dy);
  SDL_ShowCursor(covers(box, output.x, output.y) ? SDL_DISABLE : SDL_ENABLE);
}

MouseItemKind kind_of(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseItemKind::button_0;
    case SDL_BUTTON_RIGHT: return MouseItemKind::button_1;
    default: return MouseItemKind::other;
  }
}

}  // namespace

void pointer_moved(const SDL_MouseMotionEvent& motion) {
  if (full_screen()) {
    deliver_x(motion.xrel);
    deliver_y(motion.yrel);
  } else {
    follow_system_pointer(motion.x, motion.y);
  }
}

// Releases and other buttons take their place in the device's buffer, as a real device's did;
// the program passes over them.
void button_changed(const SDL_MouseButtonEvent& button) {
  if (!full_screen()) follow_system_pointer(button.x, button.y);
  deliver_mouse_item({kind_of(button.button), button.state == SDL_PRESSED ? button_pressed : button_released});
}

void wheel_turned(const SDL_MouseWheelEvent& wheel) { deliver_mouse_item({MouseItemKind::other, wheel.y}); }

void pointer_left_window() { SDL_ShowCursor(SDL_ENABLE); }

void toggle_full_screen() {
  const bool to_window = full_screen();
  set_full_screen(!to_window);
  settling_until_us.reset();
  if (to_window) settling_until_us = monotonic_us() + longest_settling_us;
}

void window_placed() {
  if (settling_until_us) end_settling();
}

std::optional<std::int64_t> pointer_settles_us() { return settling_until_us; }

void settle_pointer_if_due(std::int64_t now_us) {
  if (settling_until_us && now_us >= *settling_until_us) end_settling();
}

}  // namespace platform::sdl
