#include "session.h"

#include <utility>

namespace real_display {

namespace {

// The program doubles counts and stops at 1007 across and 751 down.
constexpr int push = 600, right_edge = 1007, bottom_edge = 751;

std::vector<std::string> relative(int dx, int dy) {
  return {"xdotool", "mousemove_relative", "--", std::to_string(dx), std::to_string(dy)};
}

}  // namespace

Step& Session::add(std::string script, std::vector<std::vector<std::string>> commands) {
  steps_.push_back(Step{std::move(script), std::move(commands), {}, false, 0, 0, std::move(pending_before_), false});
  pending_before_ = nullptr;
  return steps_.back();
}

void Session::move(int dx, int dy) {
  clicked_since_move_ = false;
  pointer_.moved_x(dx);
  pointer_.moved_y(dy);
  add("move " + std::to_string(dx) + " " + std::to_string(dy) + "\n", {relative(dx, dy)});
}

// Pushed against the edge that has the pixel's parity, then moved from there.
void Session::pointer_to(int x, int y) {
  move(x % 2 == 0 ? -push : push, y % 2 == 0 ? -push : push);
  move((x - (x % 2 == 0 ? 0 : right_edge)) / 2, (y - (y % 2 == 0 ? 0 : bottom_edge)) / 2);
}

void Session::place(int screen_x, int screen_y, double frame_x, double frame_y) {
  clicked_since_move_ = false;
  const platform::Counts counts = pointer_.counts_to(frame_x, frame_y);
  pointer_.moved_x(counts.dx);
  pointer_.moved_y(counts.dy);
  add("move " + std::to_string(counts.dx) + " " + std::to_string(counts.dy) + "\n",
      {{"xdotool", "mousemove", std::to_string(screen_x), std::to_string(screen_y)}});
}

void Session::left() {
  clicked_since_move_ = true;
  add("left\n", {{"xdotool", "click", "1"}});
}

void Session::right() {
  clicked_since_move_ = true;
  add("right\n", {{"xdotool", "click", "3"}});
}

void Session::type(const std::string& utf8_text) {
  add("type " + utf8_text + "\n", {{"xdotool", "type", "--delay", "40", utf8_text}});
}

void Session::key(const std::string& script_line, const std::string& xdotool_key) {
  add(script_line + "\n", {{"xdotool", "key", xdotool_key}});
}

// The window's own keys: the program never sees Alt+Enter.
void Session::alt_enter() { add("", {{"xdotool", "key", "alt+Return"}}).toggles_window = true; }

void Session::alt_f4() { add("close\n", {{"xdotool", "key", "alt+F4"}}); }

void Session::wait(int ms) { add("wait " + std::to_string(ms) + "\n"); }

void Session::expect(const std::string& shot) { expect_any("shot " + shot + "\n", {shot}); }

void Session::expect_blinking(const std::string& shot, int blink_ms) {
  expect_any("shot " + shot + "-a\nwait " + std::to_string(blink_ms) + "\nshot " + shot + "-b\n",
             {shot + "-a", shot + "-b"});
}

void Session::expect_any(std::string script, std::vector<std::string> shots) {
  Step& step = add(std::move(script));
  step.expected = std::move(shots);
  step.cursor_may_differ = clicked_since_move_;
  step.cursor_x = pointer_.x();
  step.cursor_y = pointer_.y();
}

void Session::before_next(std::function<void()> action) { pending_before_ = std::move(action); }

std::string Session::script() const {
  std::string text;
  for (const Step& step : steps_) text += step.script;
  return text;
}

}  // namespace real_display
