// The page's pointer, keys and focus as the program's relative mouse and window messages. The
// page says where on the frame the pointer or finger is, or, while the pointer is locked, how
// far the mouse moved; the program only takes relative counts, so its pointer follows.
#include "platform/web/web_input.h"

#include <emscripten/emscripten.h>

#include "platform/geometry/letterbox.h"
#include "platform/geometry/pointer_follower.h"
#include "platform/input/mouse_backend.h"
#include "platform/input/mouse_device.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/window_messages.h"
#include "platform/text/utf8_to_windows_1252.h"

namespace platform {

namespace {

constexpr int button_pressed = 0x80;
constexpr int button_released = 0;

PointerFollower follower;
Letterbox layout;

}  // namespace

bool backend_grant_mouse() { return true; }

namespace web {

void move_by(std::int32_t dx, std::int32_t dy) {
  if (dx != 0 && deliver_mouse_item({MouseItemKind::x_axis, dx})) follower.moved_x(dx);
  if (dy != 0 && deliver_mouse_item({MouseItemKind::y_axis, dy})) follower.moved_y(dy);
}

void press(int button, bool pressed) {
  const MouseItemKind kind = button == 0 ? MouseItemKind::button_0 : MouseItemKind::button_1;
  deliver_mouse_item({kind, pressed ? button_pressed : button_released});
}

void post_to_window(std::uint32_t message, std::uintptr_t first_parameter) {
  if (Window* window = input_window()) post_message(window, message, first_parameter, 0);
}

}  // namespace web

using web::post_to_window;

extern "C" {

// Where the frame goes in a page area of this many device pixels: x, y, width, height and
// whether the scale is whole (crisp), as five ints.
EMSCRIPTEN_KEEPALIVE const int* rozeva_web_layout(int width, int height) {
  static int answer[5];
  layout = fit_frame(width, height);
  answer[0] = layout.x;
  answer[1] = layout.y;
  answer[2] = layout.width;
  answer[3] = layout.height;
  answer[4] = layout.integer_scale ? 1 : 0;
  return answer;
}

// The pointer or a finger is at this device pixel of the page area last laid out.
EMSCRIPTEN_KEEPALIVE void rozeva_web_pointer_at(double x, double y) {
  const FramePoint frame = frame_point(layout, x, y);
  const Counts counts = follower.counts_to(frame.x, frame.y);
  web::move_by(counts.dx, counts.dy);
}

// The locked pointer moved by this many counts.
EMSCRIPTEN_KEEPALIVE void rozeva_web_pointer_moved(int dx, int dy) { web::move_by(dx, dy); }

// Left (0) or right (1); other buttons take their place in the buffer, as a real device's did.
EMSCRIPTEN_KEEPALIVE void rozeva_web_button(int button, int pressed) {
  if (button == 0 || button == 1) {
    web::press(button, pressed != 0);
  } else {
    deliver_mouse_item({MouseItemKind::other, pressed ? button_pressed : button_released});
  }
}

EMSCRIPTEN_KEEPALIVE void rozeva_web_key(int key_code) {
  post_to_window(WM_KEYDOWN, static_cast<std::uintptr_t>(key_code));
}

// Characters typed, in UTF-8; the prompts take them as Windows-1252.
EMSCRIPTEN_KEEPALIVE void rozeva_web_typed(const char* utf8) {
  for (const char code : windows_1252_of_typed_utf8(utf8))
    post_to_window(WM_CHAR, static_cast<unsigned char>(code));
}

// The page gained or lost the focus; a locked pointer taken away is lost input.
EMSCRIPTEN_KEEPALIVE void rozeva_web_focus(int active, int pointer_taken) {
  if (pointer_taken) mouse_input_lost();
  post_to_window(WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE);
}

EMSCRIPTEN_KEEPALIVE void rozeva_web_close() { post_to_window(WM_CLOSE, 0); }

}  // extern "C"

}  // namespace platform
