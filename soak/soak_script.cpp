#include "soak_script.h"

#include <array>
#include <random>
#include <string_view>

namespace soak {
namespace {

constexpr int last_x = 1007;  // where the program stops the pointer
constexpr int last_y = 751;
constexpr int start_x = 497;
constexpr int start_y = 369;
constexpr int past_any_edge = 2000;

// The reader menu's quit entry: a click there would end the run early.
constexpr int quit_left = 351, quit_right = 679, quit_top = 121, quit_bottom = 169;
constexpr int menu_button_x = 869, bar_y = 730;
constexpr int editor_switch_x = 110, author_switch_x = 204, switch_y = 109;
constexpr int toolbar_y = 740, side_upper_y = 10, side_lower_y = 40;
constexpr int save_mode = 8;

constexpr std::array<std::string_view, 10> known_keys = {"F1", "F3", "LEFT", "UP", "RIGHT",
                                                         "DOWN", "ENTER", "ESCAPE", "BACKSPACE", "TAB"};
constexpr std::array<std::string_view, 8> unknown_keys = {"F2", "F4", "F5", "F11", "A", "SPACE", "HOME", "DELETE"};

class Writer {
 public:
  explicit Writer(std::uint64_t seed) : random_(seed) {}

  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return number(1, 100) <= percent; }
  int lines() const { return lines_; }
  std::string take() { return std::move(text_); }

  void line(std::string_view text) {
    text_ += text;
    text_ += '\n';
    ++lines_;
  }

  // One movement; the program doubles it and stops the pointer at the screen's edges. While
  // the window has no focus the movement is lost.
  void move(int dx, int dy) {
    line("move " + std::to_string(dx) + " " + std::to_string(dy));
    if (!focused_) return;
    x_ = clamp((moved_ ? x_ : start_x) + 2 * dx, last_x);
    y_ = clamp((moved_ ? y_ : start_y) + 2 * dy, last_y);
    moved_ = true;
  }

  // A click lands where the pointer is (0, 0 before the first movement).
  void click(bool left) {
    if (left && !focused_) return line("left");  // lost, so harmless anywhere
    if (left && in_quit_entry(moved_ ? x_ : 0, moved_ ? y_ : 0)) return;
    line(left ? "left" : "right");
  }

  // Aims at (x, y) exactly: from the wrong parity the pointer first goes to an edge.
  void move_to(int x, int y) {
    if (!focused_) set_focus(true);
    int at_x = moved_ ? x_ : start_x;
    int at_y = moved_ ? y_ : start_y;
    const int dx = edge_step(at_x, x, last_x);
    const int dy = edge_step(at_y, y, last_y);
    if (dx != 0 || dy != 0) move(dx, dy);
    if (x != at_x || y != at_y || !moved_) move((x - at_x) / 2, (y - at_y) / 2);
  }

  void click_at(int x, int y, bool left = true) {
    move_to(x, y);
    click(left);
  }

  void set_focus(bool focused) {
    line(focused ? "focus 1" : "focus 0");
    focused_ = focused;
  }
  bool focused() const { return focused_; }

 private:
  static int clamp(int v, int last) { return v < 0 ? 0 : (v > last ? last : v); }
  // 0 is even and the last position odd: the movement to the edge of the target's parity.
  static int edge_step(int& at, int target, int last) {
    if ((target - at) % 2 == 0) return 0;
    const bool even = target % 2 == 0;
    at = even ? 0 : last;
    return even ? -past_any_edge : past_any_edge;
  }
  static bool in_quit_entry(int x, int y) {
    return x >= quit_left && x <= quit_right && y >= quit_top && y <= quit_bottom;
  }

  std::mt19937_64 random_;
  std::string text_;
  int lines_ = 0;
  int x_ = start_x, y_ = start_y;
  bool moved_ = false;
  bool focused_ = true;
};

int toolbar_x(int mode) { return (mode - 1) * 50 + 25; }
int side_x(int mode) { return 801 + (mode - 17) * 50 + 24; }

// The navigation bar's menu button opens the menu from the reader and from the editor; the
// menu ignores a second click there.
void editor_on(Writer& w) {
  w.click_at(menu_button_x, bar_y);
  w.click_at(editor_switch_x, switch_y);
}

void save(Writer& w) {
  editor_on(w);
  w.click_at(toolbar_x(save_mode), toolbar_y);
  w.click(true);
}

void author_switch(Writer& w) {
  w.click_at(menu_button_x, bar_y);
  w.click_at(author_switch_x, switch_y);
  w.click(false);
}

// A toolbar or side button chosen and carried out, sometimes answered with a number.
void editor_command(Writer& w) {
  const int mode = w.number(1, 20);
  if (mode <= 16)
    w.click_at(toolbar_x(mode), toolbar_y);
  else
    w.click_at(side_x(mode), w.chance(50) ? side_upper_y : side_lower_y);
  w.click(true);
  if (w.chance(50)) {
    w.line("char 9");
    w.line("type " + std::to_string(w.number(-20, 400)));
    w.line("char 13");
  }
}

void random_event(Writer& w) {
  const int roll = w.number(1, 100);
  if (roll <= 28) {
    const int reach = w.chance(10) ? 1500 : 40;
    w.move(w.number(-reach, reach), w.number(-reach, reach));
  } else if (roll <= 52) {
    w.click_at(w.number(0, last_x), w.number(0, last_y), w.chance(75));
  } else if (roll <= 62) {
    const std::string_view name = w.chance(80) ? known_keys[w.number(0, static_cast<int>(known_keys.size()) - 1)]
                                               : unknown_keys[w.number(0, static_cast<int>(unknown_keys.size()) - 1)];
    w.line("key " + std::string(name));
  } else if (roll <= 76) {
    w.line("char " + std::to_string(w.number(0, 255)));
  } else if (roll <= 84) {
    w.line("wait " + std::to_string(w.chance(20) ? 0 : w.number(1, 2500)));
  } else if (roll <= 86) {
    w.set_focus(!w.focused());
  } else if (roll <= 90) {
    editor_on(w);
  } else if (roll <= 92) {
    save(w);
  } else if (roll <= 93) {
    author_switch(w);
  } else {
    editor_command(w);
  }
}

// The ways the program ends: its script running out (a close request follows), a close
// request, F12, the menu's quit entry.
void ending(Writer& w) {
  w.set_focus(true);
  switch (w.number(0, 3)) {
    case 0: break;
    case 1: w.line("close"); break;
    case 2: w.line("key F12"); break;
    default:
      w.click_at(menu_button_x, bar_y);
      w.move_to((quit_left + quit_right) / 2 + 1, (quit_top + quit_bottom) / 2);
      w.line("left");
  }
}

}  // namespace

std::string random_script(std::uint64_t seed, int events) {
  Writer w(seed);
  w.line("left");  // the title screen
  while (w.lines() < events) random_event(w);
  w.set_focus(true);
  w.line("shot end");
  ending(w);
  return w.take();
}

}  // namespace soak
