#pragma once
// Writes the program's screens as PNG files, each with its thumbnail, on worker threads while
// the program goes on to the next page: encoding a PNG costs more than drawing a page.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/surface.h"
#include "proof/progress_bar.h"

namespace proof {

class ShotWriter {
 public:
  // OUTDIR/NAME.png and OUTDIR/thumbs/NAME.png; the thumbs folder must exist.
  ShotWriter(std::string out_dir, ProgressBar& progress);
  ~ShotWriter();  // finishes every submitted shot
  ShotWriter(const ShotWriter&) = delete;
  ShotWriter& operator=(const ShotWriter&) = delete;

  // Takes a copy of the screen; waits while too many are still to be written.
  void submit(const std::string& name, const platform::Surface& screen);

  // Waits for every submitted shot; the names of those that could not be written.
  std::vector<std::string> finish();

 private:
  struct Job {
    std::string name;
    platform::Surface screen;
  };
  void work();

  std::string out_dir_;
  ProgressBar& progress_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Job> jobs_;
  bool closing_ = false;
  std::vector<std::string> failed_;
  std::vector<std::thread> workers_;
};

}  // namespace proof
