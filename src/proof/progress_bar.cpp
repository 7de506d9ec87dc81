#include "proof/progress_bar.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace proof {

namespace {

constexpr int bar_width = 40;

}  // namespace

ProgressBar::ProgressBar(int total, std::FILE* out)
    : out_(out), total_(total > 0 ? total : 1), shown_(::isatty(::fileno(out)) == 1) {
  draw();
}

ProgressBar::~ProgressBar() {
  if (shown_) std::fputs("\n", out_);
}

void ProgressBar::advance() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++done_;
  draw();
}

void ProgressBar::draw() {
  if (!shown_) return;
  const int filled = done_ * bar_width / total_;
  const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                          std::string(static_cast<std::size_t>(bar_width - filled), '.');
  std::fprintf(out_, "\rrozeva-proof [%s] %d/%d pictures", bar.c_str(), done_, total_);
  std::fflush(out_);
}

}  // namespace proof
