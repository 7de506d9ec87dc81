#include "platform/audio/sound_log_capture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/clock/clock.h"
#include "platform/headless/headless_audio.h"

namespace test_support {

SoundLogCapture::SoundLogCapture() : start_ms_(platform::now_ms()) {
  EXPECT_TRUE(platform::headless::start_sound_log(dir_.file("sound.log")));
}

SoundLogCapture::~SoundLogCapture() { platform::headless::close_sound_log(); }

std::vector<std::string> SoundLogCapture::lines() {
  platform::headless::flush_sound_log();
  std::istringstream text(dir_.read("sound.log"));
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(text, line)) {
    const std::size_t space = line.find(' ');
    const std::int64_t ms = std::stoll(line.substr(0, space));
    lines.push_back(std::to_string(ms - start_ms_) + line.substr(space));
  }
  return lines;
}

std::vector<std::string> SoundLogCapture::fresh_lines() {
  std::vector<std::string> all = lines();
  std::vector<std::string> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
  seen_ = all.size();
  return fresh;
}

}  // namespace test_support
