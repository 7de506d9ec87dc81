#pragma once
// While it lives, standard error goes to a file: the program's own diagnostic lines ("handle
// is null" for each missing picture) are for developers, and would break the progress bar.
// The terminal stays reachable through terminal().
#include <cstdio>
#include <string>

namespace proof {

class ProgramLog {
 public:
  explicit ProgramLog(const std::string& path);
  ~ProgramLog();  // standard error is the terminal again
  ProgramLog(const ProgramLog&) = delete;
  ProgramLog& operator=(const ProgramLog&) = delete;

  // Where standard error went before; standard error itself when the file could not be made.
  std::FILE* terminal() const { return terminal_ ? terminal_ : stderr; }

 private:
  std::FILE* terminal_ = nullptr;
};

}  // namespace proof
