#pragma once
// A private X server for the real player's tests and benchmarks: Xvfb with a screen of a given
// size, an optional window manager, the programs that run on it, and pictures of its screen.
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "screen_shots.h"

namespace x_session {

// A program started on its own; killed and reaped when this goes, if it still runs.
class Child {
 public:
  // `environment` entries ("NAME=value") are added to this process's environment, replacing
  // what has the same name. An empty `folder` keeps the working directory. Standard output is
  // captured when `capture_output` is set; `fd_3`, when given, is the program's descriptor 3.
  Child(const std::vector<std::string>& command, const std::vector<std::string>& environment = {},
        const std::string& folder = "", bool capture_output = false, int fd_3 = -1);
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }
  // The exit status (128 + the signal for a killed program); none when it still runs after `limit`.
  std::optional<int> wait_for_exit(std::chrono::milliseconds limit);
  // Everything the program wrote to its standard output, read up to its end.
  std::string read_output();

 private:
  pid_t pid_ = -1;
  int output_ = -1;
  std::optional<int> status_;
};

class XServer {
 public:
  XServer(int width, int height);
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  // Empty when the server runs; else why it could not start.
  const std::string& problem() const { return problem_; }
  const std::string& display() const { return display_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // "DISPLAY=:N" and whatever else a program on this server needs.
  std::vector<std::string> environment(const std::vector<std::string>& more = {}) const;
  // Starts openbox and waits until it manages the screen; false when it did not.
  bool start_window_manager();
  // Runs a command on this display to its end; its exit status.
  int run(const std::vector<std::string>& command) const;
  // The whole screen as it is now; empty when it cannot be read.
  shots::Image grab() const;

 private:
  int width_;
  int height_;
  std::string problem_;
  std::string display_;
  std::optional<Child> server_;
  std::optional<Child> window_manager_;
};

// An X window dump (xwd) of a 24- or 32-bit screen as an image; empty when it is not one.
shots::Image read_xwd(const std::string& bytes);

}  // namespace x_session
