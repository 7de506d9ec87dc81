// The program's one wait in a page. It yields to the browser until input arrives or the next
// timer tick is due; the page's event handlers fill the mouse device and the queue meanwhile. A
// script played in the page is delivered here one line per wake, as rozeva-headless does.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>
#include <variant>

#include "platform/clock/clock.h"
#include "platform/headless/headless_script.h"
#include "platform/input/mouse_device.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/message_wait.h"
#include "platform/messages/timers.h"
#include "platform/messages/window_messages.h"
#include "platform/web/web_bridge.h"
#include "platform/web/web_input.h"

namespace platform {

namespace {

using namespace headless;

struct Delivery {
  std::vector<ScriptLine> lines;
  std::size_t next_line = 0;
  // Set while a `wait` line's span runs: the clock time at which it ends.
  std::optional<std::int64_t> idle_until_ms;
  bool close_delivered = true;
};

Delivery delivery;
std::string script_problems;

struct LineDelivery {
  void operator()(const MoveLine& move) const { web::move_by(move.dx, move.dy); }
  void operator()(const ClickLine& click) const {
    web::press(click.button, true);
    web::press(click.button, false);
  }
  void operator()(const KeyLine& key) const { web::post_to_window(WM_KEYDOWN, key.key_code); }
  void operator()(const CharactersLine& characters) const {
    for (const char code : characters.codes) web::post_to_window(WM_CHAR, static_cast<unsigned char>(code));
  }
  void operator()(const WaitLine& wait) const { delivery.idle_until_ms = now_ms() + wait.ms; }
  void operator()(const ShotLine& shot) const { rozeva_js_shot(shot.name.c_str()); }
  void operator()(const FocusLine& focus) const {
    web::post_to_window(WM_ACTIVATE, focus.active ? WA_ACTIVE : WA_INACTIVE);
  }
  void operator()(const CloseLine&) const { web::post_to_window(WM_CLOSE, 0); }
  void operator()(const MouseLostLine&) const { mouse_input_lost(); }
};

// Delivers the script's next line, or its closing request once it has run out; false when the
// script has nothing more to give now (it waits out a span, or is over).
bool deliver_script_line() {
  if (delivery.idle_until_ms) {
    if (now_ms() < *delivery.idle_until_ms) return false;
    delivery.idle_until_ms.reset();
  }
  if (delivery.next_line < delivery.lines.size()) {
    std::visit(LineDelivery{}, delivery.lines[delivery.next_line++].command);
    return true;
  }
  if (delivery.close_delivered) return false;
  delivery.close_delivered = true;
  web::post_to_window(WM_CLOSE, 0);
  return true;
}

// Until the next timer tick or the end of a script's span; negative: only input wakes.
double wait_limit_ms() {
  std::optional<std::int64_t> due = next_timer_due_ms();
  if (delivery.idle_until_ms) due = due ? std::min(*due, *delivery.idle_until_ms) : *delivery.idle_until_ms;
  if (!due) return -1;
  return static_cast<double>(std::max<std::int64_t>(*due - now_ms(), 0));
}

}  // namespace

WaitWake wait_for_mouse_event_or_message(MouseEvent* event) {
  for (;;) {
    if (event != nullptr && take_mouse_event()) return WaitWake::mouse_event;
    if (message_waiting()) return WaitWake::message;
    if (deliver_script_line()) continue;
    rozeva_js_wait(wait_limit_ms());
  }
}

// Plays a script (rozeva-headless's format; `shot` lines hand the canvas to the page) from the
// program's next wait on. Null when it was taken; else every bad line, one a line.
extern "C" EMSCRIPTEN_KEEPALIVE const char* rozeva_web_play_script(const char* text) {
  const ParsedScript parsed = parse_script(text, ShotFolder::given);
  script_problems.clear();
  for (const ScriptError& error : parsed.errors) script_problems += describe(error) + "\n";
  if (!script_problems.empty()) return script_problems.c_str();
  delivery = Delivery{parsed.lines, 0, std::nullopt, false};
  return nullptr;
}

}  // namespace platform
