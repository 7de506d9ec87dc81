#pragma once
// Sound tests run the program's sound code on the headless device, in a temporary working
// folder holding WAV files that sox makes on the spot.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/audio/sound_log_capture.h"
#include "support/temp_dir.h"

namespace sound_test {

// sox options for the kinds of file a book may hold.
inline constexpr char mono8[] = "-r 11025 -b 8 -c 1 -e unsigned-integer";
inline constexpr char stereo16[] = "-r 44100 -b 16 -c 2 -e signed-integer";
inline constexpr char extensible[] = "-r 22050 -b 16 -c 3 -e signed-integer";
inline constexpr char adpcm[] = "-r 22050 -c 1 -e ima-adpcm";

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// `seconds` of a 440 Hz tone written by sox (repeatable output) as a WAV file.
void make_wave_file(const std::string& path, const char* format, double seconds);

Bytes read_bytes(const std::string& path);
void write_bytes(const std::string& path, const Bytes& bytes);
void put_u16(Bytes& bytes, std::size_t offset, std::uint16_t value);
void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value);

// Offsets in the canonical 44-byte header sox writes for 8- and 16-bit PCM.
inline constexpr std::size_t riff_size_offset = 4;
inline constexpr std::size_t format_size_offset = 16;
inline constexpr std::size_t format_tag_offset = 20;
inline constexpr std::size_t data_size_offset = 40;
inline constexpr std::size_t canonical_header_size = 44;

class SoundTest : public ::testing::Test {
 protected:
  // Start-up values everywhere, the default names, the device allowed.
  SoundTest();
  // Shuts the sound down, so the next test starts with no device.
  ~SoundTest() override;

  // The file of sound `number` with the default prefix.
  static std::string file_of(std::int32_t number);
  void make_sound(std::int32_t number, const char* format = mono8, double seconds = 1.0);

  test_support::TempDir dir_;
  test_support::ScopedWorkingDir working_dir_{dir_.path()};
  test_support::SoundLogCapture log_;
};

}  // namespace sound_test
