#pragma once
// A progress bar, drawn only when its stream is a terminal: a log file or a pipe gets nothing.
#include <cstdio>
#include <mutex>

namespace proof {

class ProgressBar {
 public:
  ProgressBar(int total, std::FILE* out);
  ~ProgressBar();  // ends the bar's line
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // One more of the total is done; safe from any thread.
  void advance();

 private:
  void draw();

  std::FILE* out_;
  int total_;
  int done_ = 0;
  bool shown_;
  std::mutex mutex_;
};

}  // namespace proof
