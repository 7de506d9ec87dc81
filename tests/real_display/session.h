#pragma once
// One reading session written once and played twice: as a script for rozeva-headless, whose
// shots are the expected frames, and as xdotool commands to the real rozeva on an X server,
// whose screen must come to show those frames.
#include <functional>
#include <string>
#include <vector>

#include "platform/geometry/pointer_follower.h"

namespace real_display {

struct Step {
  std::string script;
  std::vector<std::vector<std::string>> commands;
  // Shot names: the real screen must come to show one of them (a blinking page shows two).
  std::vector<std::string> expected;
  // After a click the cursor may or may not be drawn again, depending on when the real
  // button's release arrives; its 16 x 16 square at (cursor_x, cursor_y) is then not compared.
  bool cursor_may_differ = false;
  int cursor_x = 0, cursor_y = 0;
  // Runs on the real display just before the commands.
  std::function<void()> before;
  // The commands switch between full screen and a window.
  bool toggles_window = false;
};

class Session {
 public:
  // A relative movement of the mouse in full screen.
  void move(int dx, int dy);
  // Puts the pointer exactly on frame pixel (x, y) in full screen.
  void pointer_to(int x, int y);
  // Puts the system pointer on a window's screen pixel over frame pixel (frame_x, frame_y).
  void place(int screen_x, int screen_y, double frame_x, double frame_y);
  void left();
  void right();
  void type(const std::string& utf8_text);
  void key(const std::string& script_line, const std::string& xdotool_key);
  void alt_enter();
  void alt_f4();
  // Program time in the reference run (transitions, a blink step); the real run waits for
  // the screen instead.
  void wait(int ms);
  void expect(const std::string& shot);
  // A blinking page: either of its two frames, one blink interval apart.
  void expect_blinking(const std::string& shot, int blink_ms);
  // What happens on the real display before the next step.
  void before_next(std::function<void()> action);

  std::string script() const;
  const std::vector<Step>& steps() const { return steps_; }

 private:
  Step& add(std::string script, std::vector<std::vector<std::string>> commands = {});
  void expect_any(std::string script, std::vector<std::string> shots);
  platform::PointerFollower pointer_;
  bool clicked_since_move_ = false;
  std::function<void()> pending_before_;
  std::vector<Step> steps_;
};

}  // namespace real_display
