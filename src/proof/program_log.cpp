#include "proof/program_log.h"

#include <fcntl.h>
#include <unistd.h>

namespace proof {

ProgramLog::ProgramLog(const std::string& path) {
  const int log = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (log < 0) return;
  const int saved = ::dup(STDERR_FILENO);
  terminal_ = saved < 0 ? nullptr : ::fdopen(saved, "w");
  if (terminal_) {
    std::fflush(stderr);
    ::dup2(log, STDERR_FILENO);
  } else if (saved >= 0) {
    ::close(saved);
  }
  ::close(log);
}

ProgramLog::~ProgramLog() {
  if (!terminal_) return;
  std::fflush(stderr);
  std::fflush(terminal_);
  ::dup2(::fileno(terminal_), STDERR_FILENO);
  std::fclose(terminal_);
}

}  // namespace proof
