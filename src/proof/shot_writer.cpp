#include "proof/shot_writer.h"

#include <algorithm>

#include "platform/display/png_writer.h"
#include "proof/thumbnail.h"

namespace proof {

namespace {

// Screens waiting to be written: enough to keep every worker busy, few enough to bound memory.
constexpr std::size_t queue_room = 8;

unsigned worker_count() { return std::max(1u, std::thread::hardware_concurrency()); }

}  // namespace

ShotWriter::ShotWriter(std::string out_dir, ProgressBar& progress) : out_dir_(std::move(out_dir)), progress_(progress) {
  for (unsigned i = 0; i < worker_count(); ++i) workers_.emplace_back([this] { work(); });
}

ShotWriter::~ShotWriter() { finish(); }

void ShotWriter::submit(const std::string& name, const platform::Surface& screen) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return jobs_.size() < queue_room; });
  jobs_.push_back({name, screen});
  changed_.notify_all();
}

std::vector<std::string> ShotWriter::finish() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closing_ = true;
    changed_.notify_all();
  }
  for (std::thread& worker : workers_)
    if (worker.joinable()) worker.join();
  workers_.clear();
  std::lock_guard<std::mutex> lock(mutex_);
  std::sort(failed_.begin(), failed_.end());
  return failed_;
}

void ShotWriter::work() {
  for (;;) {
    Job job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return closing_ || !jobs_.empty(); });
      if (jobs_.empty()) return;
      job = std::move(jobs_.front());
      jobs_.pop_front();
      changed_.notify_all();
    }
    const bool written = platform::write_png(job.screen, out_dir_ + "/" + job.name + ".png") &&
                         platform::write_png(make_thumbnail(job.screen), out_dir_ + "/thumbs/" + job.name + ".png");
    if (!written) {
      std::lock_guard<std::mutex> lock(mutex_);
      failed_.push_back(job.name);
    }
    progress_.advance();
  }
}

}  // namespace proof
