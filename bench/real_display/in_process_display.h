#pragma once
// Measurements of the program's own display on the SDL backend, in this process: the program
// is started (window, surfaces) without a book and driven by calls.
#include <string>

namespace in_process {

struct TransitionTimes {
  // Real time from a transition's start to its last frame on the display, over its pause sum.
  double worst_ratio = 0;
  double best_ratio = 0;
  std::string report;
};

struct PresentTimes {
  double ours_ms = 0;
  double bare_ms = 0;
};

// Both need the program started: call between start() and stop().
bool start();
TransitionTimes measure_transitions();
PresentTimes measure_presents();
void stop();

// Child mode: runs the program on the book in the working directory until its first frame is
// on the display, then closes it; returns the milliseconds since `spawned_ns` (the parent's
// CLOCK_MONOTONIC when it started this process), or a negative number.
double first_frame_ms_since(long long spawned_ns);

}  // namespace in_process
