#pragma once
// Builds a rozeva-headless input script, keeping track of where the pointer is so a click
// can be aimed at a screen position. The program doubles every movement, so from an odd
// position only odd positions are reachable in one move; the builder then first pushes the
// pointer against the screen's edge (0, or the last position 1007 / 751) to change parity.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace reader_test {

// Navigation-bar buttons, aimed at their middle.
inline constexpr int bar_y = 730;
inline constexpr int redraw_button_x = 811;
inline constexpr int menu_button_x = 869;
inline constexpr int back_button_x = 927;
inline constexpr int forward_button_x = 985;

// The editor's buttons, aimed at their middle: toolbar modes 1..16, side buttons 17..20.
inline constexpr int toolbar_y = 740;
inline int toolbar_x(int mode) { return (mode - 1) * 50 + 25; }
inline int side_x(int mode) { return 801 + (mode - 17) * 50 + 24; }

class Script {
 public:
  Script& move_to(int x, int y);
  Script& click(int x, int y) { return move_to(x, y).left(); }
  Script& right_click(int x, int y) { return move_to(x, y).right(); }
  Script& forward() { return click(forward_button_x, bar_y); }
  Script& back() { return click(back_button_x, bar_y); }
  Script& left() { return line("left"); }
  Script& right() { return line("right"); }
  Script& key(const std::string& name) { return line("key " + name); }
  Script& wait(std::int64_t ms) { return line("wait " + std::to_string(ms)); }
  Script& shot(const std::string& name) { return line("shot " + name); }
  Script& focus(bool active) { return line(active ? "focus 1" : "focus 0"); }
  Script& close() { return line("close"); }
  // A movement that the program does not see (its window is inactive): the pointer stays.
  Script& unseen_move(int dx, int dy) {
    return line("move " + std::to_string(dx) + " " + std::to_string(dy));
  }
  Script& line(const std::string& text) {
    text_ += text + "\n";
    return *this;
  }

  const std::string& text() const { return text_; }

 private:
  struct Steps {
    int first = 0;
    int second = 0;
  };
  static Steps steps_to(int& position, int target, int last);

  int x_ = 497;
  int y_ = 369;
  std::string text_;
};

inline Script::Steps Script::steps_to(int& position, int target, int last) {
  constexpr int past_any_edge = 2000;
  Steps steps;
  if ((target - position) % 2 != 0) {
    // 0 is even and the last position odd: the edge of the target's parity.
    const bool even = target % 2 == 0;
    steps.first = even ? -past_any_edge : past_any_edge;
    position = even ? 0 : last;
  }
  steps.second = (target - position) / 2;
  position = target;
  return steps;
}

inline Script& Script::move_to(int x, int y) {
  const Steps sx = steps_to(x_, x, 1007);
  const Steps sy = steps_to(y_, y, 751);
  for (const auto& [dx, dy] : {std::pair{sx.first, sy.first}, std::pair{sx.second, sy.second}})
    if (dx != 0 || dy != 0) line("move " + std::to_string(dx) + " " + std::to_string(dy));
  return *this;
}

}  // namespace reader_test
