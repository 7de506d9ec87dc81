#pragma once
// The libraries under SDL print their own lines about a missing display or sound device; the
// program says it once, in its own words. Standard error goes nowhere while one of these lives.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace platform::sdl {

class QuietStandardError {
 public:
  QuietStandardError() {
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (nowhere >= 0) {
      ::dup2(nowhere, STDERR_FILENO);
      ::close(nowhere);
    }
  }
  ~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_ = -1;
};

}  // namespace platform::sdl
