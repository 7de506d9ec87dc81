// The program's one wait on a real display. SDL's events become the program's messages and
// mouse items; while none comes the process sleeps in SDL's event wait, until an event, the
// next timer tick or the refresh a held frame waits for.
#include <SDL.h>

#include <algorithm>
#include <limits>

#include "platform/clock/clock.h"
#include "platform/input/mouse_device.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/message_wait.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_pointer.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/sdl_time.h"
#include "platform/text/utf8_to_windows_1252.h"

namespace platform {

namespace {

constexpr std::int64_t us_per_ms = 1000;

void post_to_window(std::uint32_t message, std::uintptr_t first_parameter) {
  if (Window* window = input_window()) post_message(window, message, first_parameter, 0);
}

bool alt_held(Uint16 modifiers) { return (modifiers & KMOD_ALT) != 0; }

// Alt+Enter and Alt+F4 are the window's own; with Alt held (and F10) a key is a system key,
// which the program's key-down handling never saw.
void key_pressed(const SDL_KeyboardEvent& key) {
  const SDL_Keycode symbol = key.keysym.sym;
  if (alt_held(key.keysym.mod)) {
    if ((symbol == SDLK_RETURN || symbol == SDLK_KP_ENTER) && key.repeat == 0) sdl::toggle_full_screen();
    if (symbol == SDLK_F4 && key.repeat == 0) post_to_window(WM_CLOSE, 0);
    return;
  }
  if (symbol == SDLK_F10) return;
  if (const std::optional<std::uintptr_t> code = sdl::key_code_of(symbol)) post_to_window(WM_KEYDOWN, *code);
}

void text_typed(const SDL_TextInputEvent& text) {
  if (alt_held(SDL_GetModState())) return;
  for (const char code : windows_1252_of_typed_utf8(text.text)) post_to_window(WM_CHAR, static_cast<unsigned char>(code));
}

void window_changed(const SDL_WindowEvent& change) {
  switch (change.event) {
    case SDL_WINDOWEVENT_CLOSE: post_to_window(WM_CLOSE, 0); break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: post_to_window(WM_ACTIVATE, WA_ACTIVE); break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      // Full screen owns the mouse; another application taking it is lost input.
      if (sdl::full_screen()) mouse_input_lost();
      post_to_window(WM_ACTIVATE, WA_INACTIVE);
      break;
    case SDL_WINDOWEVENT_MOVED: sdl::window_placed(); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      sdl::window_placed();
      sdl::repaint();
      break;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED: sdl::repaint(); break;
    case SDL_WINDOWEVENT_LEAVE: sdl::pointer_left_window(); break;
    default: break;
  }
}

void handle(const SDL_Event& event) {
  switch (event.type) {
    // A request to end (a signal, the session ending) is a close request like the window's.
    case SDL_QUIT: post_to_window(WM_CLOSE, 0); break;
    case SDL_WINDOWEVENT: window_changed(event.window); break;
    case SDL_KEYDOWN: key_pressed(event.key); break;
    case SDL_TEXTINPUT: text_typed(event.text); break;
    case SDL_MOUSEMOTION: sdl::pointer_moved(event.motion); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: sdl::button_changed(event.button); break;
    case SDL_MOUSEWHEEL: sdl::wheel_turned(event.wheel); break;
    default: break;
  }
}

// Until the next timer tick, the refresh of a held frame or the pointer's settling after a
// switch to a window; -1: nothing but an event wakes.
int wait_limit_ms() {
  std::int64_t limit = std::numeric_limits<std::int64_t>::max();
  if (const std::optional<std::int64_t> tick = next_timer_due_ms()) limit = *tick - now_ms();
  const std::int64_t now_us = sdl::monotonic_us();
  for (const std::optional<std::int64_t> due_us : {sdl::pending_present_us(), sdl::pointer_settles_us()})
    if (due_us) limit = std::min(limit, (*due_us - now_us + us_per_ms - 1) / us_per_ms);
  if (limit == std::numeric_limits<std::int64_t>::max()) return -1;
  return static_cast<int>(std::clamp<std::int64_t>(limit, 1, std::numeric_limits<int>::max()));
}

}  // namespace

WaitWake wait_for_mouse_event_or_message(MouseEvent* event) {
  for (;;) {
    if (event != nullptr && take_mouse_event()) return WaitWake::mouse_event;
    if (message_waiting()) return WaitWake::message;
    SDL_Event sdl_event;
    if (SDL_PollEvent(&sdl_event)) {
      handle(sdl_event);
      continue;
    }
    sdl::present_if_due();
    sdl::settle_pointer_if_due(sdl::monotonic_us());
    if (SDL_WaitEventTimeout(&sdl_event, wait_limit_ms()) != 0) handle(sdl_event);
  }
}

}  // namespace platform
