#pragma once
// Sound tests run the program's sound code on the headless device, in a temporary working
// folder holding the WAV files each test writes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/sound_log_capture.h"
#include "support/le_bytes.h"
#include "support/temp_dir.h"
#include "support/wav_writer.h"

namespace sound_test {

using namespace test_support;

// The kinds of file a book may hold; the last two the program refuses.
inline constexpr WavFormat mono8{1, 1, 11025, 8};
inline constexpr WavFormat stereo16{1, 2, 44100, 16};
inline constexpr WavFormat extensible{0xFFFE, 3, 22050, 16};
inline constexpr WavFormat adpcm{0x11, 1, 22050, 16};

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

Bytes read_bytes(const std::string& path);
void write_bytes(const std::string& path, const Bytes& bytes);

class SoundTest : public ::testing::Test {
 protected:
  // Start-up values everywhere, the default names, the device allowed.
  SoundTest();
  // Shuts the sound down, so the next test starts with no device.
  ~SoundTest() override;

  // The file of sound `number` with the default prefix.
  static std::string file_of(std::int32_t number);
  void make_sound(std::int32_t number, const WavFormat& format = mono8, double seconds = 1.0);

  test_support::TempDir dir_;
  test_support::ScopedWorkingDir working_dir_{dir_.path()};
  test_support::SoundLogCapture log_;
};

}  // namespace sound_test
