#include "platform/headless/headless_messages.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "platform/clock/clock.h"
#include "platform/headless/headless_clock.h"
#include "platform/input/mouse_device.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/message_wait.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"

namespace platform {

namespace headless {

namespace {

constexpr int button_pressed = 0x80;
constexpr int button_released = 0;

struct Delivery {
  std::vector<ScriptLine> lines;
  std::size_t next_line = 0;
  // Set while a `wait` line's span runs: the clock time at which it ends.
  std::optional<std::int64_t> idle_until_ms;
  bool close_delivered = false;
  ShotWriter write_shot;
};

Delivery delivery;

// Input goes to the window that has the keyboard; with no window it goes nowhere.
void post_input(std::uint32_t message, std::uintptr_t first_parameter) {
  if (Window* window = input_window()) post_message(window, message, first_parameter, 0);
}

std::int64_t clock_after(std::int64_t ms) {
  const std::int64_t now = now_ms();
  return ms < INT64_MAX - now ? now + ms : INT64_MAX;
}

struct LineDelivery {
  void operator()(const MoveLine& move) const {
    if (move.dx != 0) deliver_mouse_item(MouseItem{MouseItemKind::x_axis, move.dx});
    if (move.dy != 0) deliver_mouse_item(MouseItem{MouseItemKind::y_axis, move.dy});
  }
  void operator()(const ClickLine& click) const {
    const MouseItemKind button = click.button == 0 ? MouseItemKind::button_0 : MouseItemKind::button_1;
    deliver_mouse_item(MouseItem{button, button_pressed});
    deliver_mouse_item(MouseItem{button, button_released});
  }
  void operator()(const KeyLine& key) const { post_input(WM_KEYDOWN, key.key_code); }
  void operator()(const CharactersLine& characters) const {
    for (const char code : characters.codes) post_input(WM_CHAR, static_cast<unsigned char>(code));
  }
  void operator()(const WaitLine& wait) const { delivery.idle_until_ms = clock_after(wait.ms); }
  void operator()(const ShotLine& shot) const {
    if (delivery.write_shot) delivery.write_shot(shot.name);
  }
  void operator()(const FocusLine& focus) const {
    post_input(WM_ACTIVATE, focus.active ? WA_ACTIVE : WA_INACTIVE);
  }
  void operator()(const CloseLine&) const { post_input(WM_CLOSE, 0); }
  void operator()(const MouseLostLine&) const { mouse_input_lost(); }
};

// The program is idle: the clock runs to the next timer tick inside the span (which wakes
// the program), or to the span's end.
void pass_idle_time() {
  const std::int64_t idle_until = *delivery.idle_until_ms;
  const std::optional<std::int64_t> tick = next_timer_due_ms();
  if (tick && *tick <= idle_until) {
    advance_ms(*tick - now_ms());
    return;
  }
  advance_ms(idle_until - now_ms());
  delivery.idle_until_ms.reset();
}

}  // namespace

ProgramOutlivedScript::ProgramOutlivedScript()
    : std::runtime_error("the program still waits for input after the script and its close request") {}

void start_script(std::vector<ScriptLine> lines, ShotWriter write_shot) {
  delivery = Delivery{};
  delivery.lines = std::move(lines);
  delivery.write_shot = std::move(write_shot);
}

}  // namespace headless

WaitWake wait_for_mouse_event_or_message(MouseEvent* event) {
  using headless::delivery;
  for (;;) {
    if (event != nullptr && take_mouse_event()) return WaitWake::mouse_event;
    if (message_waiting()) return WaitWake::message;
    // Nothing wakes the program yet: time passes or the script's next line arrives.
    if (delivery.idle_until_ms) {
      headless::pass_idle_time();
    } else if (delivery.next_line < delivery.lines.size()) {
      std::visit(headless::LineDelivery{}, delivery.lines[delivery.next_line++].command);
    } else if (!delivery.close_delivered) {
      delivery.close_delivered = true;
      headless::post_input(WM_CLOSE, 0);
    } else {
      throw headless::ProgramOutlivedScript();
    }
  }
}

}  // namespace platform
