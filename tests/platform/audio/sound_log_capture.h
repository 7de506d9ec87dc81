#pragma once
// The headless sound log as a test sees it: written to a temporary file from construction on,
// each line's time counted from the moment of construction.
#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace test_support {

class SoundLogCapture {
 public:
  SoundLogCapture();
  ~SoundLogCapture();
  SoundLogCapture(const SoundLogCapture&) = delete;
  SoundLogCapture& operator=(const SoundLogCapture&) = delete;

  // Every line so far, e.g. "500 ch4 end" for an end 500 ms after construction.
  std::vector<std::string> lines();

  // The lines written since the last call of fresh_lines (or construction).
  std::vector<std::string> fresh_lines();

 private:
  TempDir dir_;
  std::int64_t start_ms_;
  std::size_t seen_ = 0;
};

}  // namespace test_support
