#include <algorithm>
#include <deque>
#include <optional>
#include <vector>

#include "platform/clock/clock.h"
#include "platform/messages/message_backend.h"
#include "platform/messages/timer_ticks.h"
#include "platform/messages/window_messages.h"

namespace platform {

namespace {

WindowProcedure procedure = nullptr;
std::vector<Window*> live_windows;
std::deque<Message> posted;
std::optional<int> quit_code;

std::intptr_t call_procedure(Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                             std::intptr_t second_parameter) {
  if (procedure == nullptr) return 0;
  return procedure(window, message, first_parameter, second_parameter);
}

std::optional<std::uintptr_t> character_of_key(std::uintptr_t key) {
  switch (key) {
    case VK_RETURN: return 13;
    case VK_ESCAPE: return 27;
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    default: return std::nullopt;
  }
}

}  // namespace

bool is_live_window(Window* window) {
  return window != nullptr &&
         std::find(live_windows.begin(), live_windows.end(), window) != live_windows.end();
}

void register_window_procedure(WindowProcedure window_procedure) { procedure = window_procedure; }

bool post_message(Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                  std::intptr_t second_parameter) {
  if (window != nullptr && !is_live_window(window)) return false;
  posted.push_back(Message{window, message, first_parameter, second_parameter});
  return true;
}

void post_quit_message(int exit_code) { quit_code = exit_code; }

bool peek_message(Message& message) {
  if (!posted.empty()) {
    message = posted.front();
    posted.pop_front();
    return true;
  }
  // The quit request waits behind the posted messages, so none of them is lost to it.
  if (quit_code) {
    message = Message{nullptr, WM_QUIT, static_cast<std::uintptr_t>(*quit_code), 0};
    quit_code.reset();
    return true;
  }
  collect_timer_ticks(now_ms());
  return take_timer_tick(message);
}

bool message_waiting() { return !posted.empty() || quit_code || collect_timer_ticks(now_ms()); }

bool translate_message(const Message& message) {
  if (message.message != WM_KEYDOWN) return false;
  const std::optional<std::uintptr_t> character = character_of_key(message.first_parameter);
  return character && post_message(message.window, WM_CHAR, *character, message.second_parameter);
}

std::intptr_t dispatch_message(const Message& message) {
  return send_message(message.window, message.message, message.first_parameter,
                      message.second_parameter);
}

std::intptr_t send_message(Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                           std::intptr_t second_parameter) {
  if (!is_live_window(window)) return 0;
  return call_procedure(window, message, first_parameter, second_parameter);
}

std::intptr_t default_window_procedure(Window* window, std::uint32_t message, std::uintptr_t,
                                       std::intptr_t) {
  if (message == WM_CLOSE && is_live_window(window)) {
    // The program's own slot keeps its value; only this copy is cleared.
    Window* closing = window;
    destroy_window(closing);
  }
  return 0;
}

void show_window(Window* window) { send_message(window, WM_ACTIVATE, WA_ACTIVE, 0); }

void notify_window_created(Window* window) {
  if (window != nullptr && !is_live_window(window)) live_windows.push_back(window);
}

void notify_window_destroyed(Window* window) {
  if (!is_live_window(window)) return;
  // Forgotten first, so a destroy from inside WM_DESTROY does not start over.
  live_windows.erase(std::find(live_windows.begin(), live_windows.end(), window));
  call_procedure(window, WM_DESTROY, 0, 0);
  std::erase_if(posted, [window](const Message& m) { return m.window == window; });
  kill_window_timers(window);
}

Window* input_window() { return live_windows.empty() ? nullptr : live_windows.back(); }

void reset_messages() {
  procedure = nullptr;
  posted.clear();
  quit_code.reset();
  reset_timers();
}

}  // namespace platform
