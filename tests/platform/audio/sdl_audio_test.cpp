// The SDL device, run through SDL's disk driver: whatever the mixer sends is written to a
// file, in real time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/audio/audio.h"
#include "support/temp_dir.h"

namespace {

constexpr std::uint32_t clip_rate = 44100;
constexpr std::uint32_t clip_frames = 4410;  // 0.1 s
constexpr std::uint32_t played_rate = 22050;
constexpr std::int16_t level = 8000;

std::vector<std::int16_t> read_output(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                           (static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8));
  }
  return samples;
}

TEST(SdlAudio, AClipAtHalfItsRateSoundsTwiceAsLongWithItsLevel) {
  test_support::TempDir dir;
  const std::string output = dir.file("out.raw");
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
  ASSERT_TRUE(platform::open_audio_device());

  // A constant level never crosses zero, so the sounding stretch is easy to find.
  std::vector<std::uint8_t> clip;
  for (std::uint32_t i = 0; i < clip_frames * 2; ++i) {
    clip.push_back(static_cast<std::uint8_t>(level & 0xFF));
    clip.push_back(static_cast<std::uint8_t>(level >> 8));
  }
  ASSERT_TRUE(platform::load_channel_clip(1, "clip.WAV", {2, clip_rate, 4, 16}, clip_frames * 4, clip));
  platform::set_channel_frequency(1, played_rate);
  platform::play_channel(1, false);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (platform::channel_status(1) != platform::ChannelStatus::idle &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(platform::channel_status(1), platform::ChannelStatus::idle);
  platform::close_audio_device();

  const std::vector<std::int16_t> samples = read_output(output);
  std::size_t first = samples.size();
  std::size_t last = 0;
  double energy = 0;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (samples[i] == 0) continue;
    first = std::min(first, i);
    last = i;
    energy += static_cast<double>(samples[i]) * samples[i];
  }
  ASSERT_LT(first, samples.size());
  // The device rate is what SDL gave; the stretch is 0.2 s of it, to the frame.
  const double device_rate = 48000;
  const double frames = static_cast<double>(last - first + 1) / 2;
  EXPECT_NEAR(frames, 0.2 * device_rate, 2);
  EXPECT_NEAR(energy, 2 * frames * level * level, 2 * frames * level * level * 0.001);
}

}  // namespace
