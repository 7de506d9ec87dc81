#include "platform/headless/headless_audio.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/audio/audio.h"
#include "platform/audio/sound_log_capture.h"
#include "platform/headless/headless_clock.h"

namespace {

using platform::ChannelStatus;
using Lines = std::vector<std::string>;

constexpr platform::ClipFormat mono8_11025{1, 11025, 1, 8};

// A headless device with the sound log running; closed again at the end.
class HeadlessAudio : public ::testing::Test {
 protected:
  HeadlessAudio() { EXPECT_TRUE(platform::open_audio_device()); }
  ~HeadlessAudio() override { platform::close_audio_device(); }

  // One second of 8-bit mono 11,025 Hz on `channel`.
  void load_second(int channel, const char* name) {
    ASSERT_TRUE(platform::load_channel_clip(channel, name, mono8_11025, 11025, second_));
  }

  std::vector<std::uint8_t> second_ = std::vector<std::uint8_t>(11025, 200);
  test_support::SoundLogCapture log_;
};

TEST_F(HeadlessAudio, EachRequestIsOneLineWithItsVirtualTime) {
  load_second(2, "bsou1.WAV");
  platform::set_channel_volume(2, -600);
  platform::headless::advance_ms(7);
  platform::play_channel(2, true);
  platform::stop_channel(2);
  platform::play_channel(2, false);
  platform::mark_channel_empty(3);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch2 load bsou1.WAV", "0 ch2 volume -600", "7 ch2 play loop",
                                 "7 ch2 stop", "7 ch2 play once", "7 ch3 empty"}));
}

TEST_F(HeadlessAudio, ASinglePlaybackEndsAtItsExactTimeAmongLaterRequests) {
  load_second(4, "bsou3.WAV");
  platform::set_channel_frequency(4, 22050);
  platform::play_channel(4, false);
  log_.fresh_lines();
  platform::headless::advance_ms(499);
  EXPECT_EQ(platform::channel_status(4), ChannelStatus::playing);
  platform::headless::advance_ms(2000);
  platform::stop_channel(4);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"500 ch4 end", "2499 ch4 stop"}));
  EXPECT_EQ(platform::channel_status(4), ChannelStatus::idle);
  EXPECT_EQ(platform::channel_position(4), 0u);
}

TEST_F(HeadlessAudio, FlushingTheLogCatchesUpWithTheClock) {
  load_second(1, "bsou100.WAV");
  load_second(2, "bsou1.WAV");
  platform::set_channel_frequency(1, 44100);
  platform::play_channel(2, false);
  platform::play_channel(1, false);
  log_.fresh_lines();
  platform::headless::advance_ms(1500);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"250 ch1 end", "1000 ch2 end"}));
}

TEST_F(HeadlessAudio, RequestsOnAnEmptyChannelLogNothing) {
  platform::play_channel(3, false);
  platform::stop_channel(3);
  platform::set_channel_volume(3, -600);
  platform::release_channel_clip(3);
  load_second(3, "bsou2.WAV");
  platform::release_channel_clip(3);
  platform::play_channel(3, false);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch3 load bsou2.WAV"}));
}

TEST_F(HeadlessAudio, LoopsKeepTheirPlaceOverLongVirtualSpans) {
  load_second(1, "bsou100.WAV");
  platform::play_channel(1, true);
  // 400 hours: the frames stepped overflow 64 bits; the place stays within a millisecond.
  platform::headless::advance_ms(1'440'000'250);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::looping);
  EXPECT_NEAR(platform::channel_position(1), 11025 / 4, 11);
}

TEST_F(HeadlessAudio, ARefusedClipIsNotLogged) {
  EXPECT_FALSE(platform::load_channel_clip(2, "bsou9.WAV", {3, 11025, 3, 8}, 300, second_));
  EXPECT_FALSE(platform::channel_holds_clip(2));
  EXPECT_TRUE(log_.lines().empty());
}

TEST(HeadlessAudioDevice, ARefusedDeviceLeavesEveryChannelSilent) {
  platform::headless::refuse_audio_device(true);
  EXPECT_FALSE(platform::open_audio_device());
  platform::headless::refuse_audio_device(false);
  test_support::SoundLogCapture log;
  const std::vector<std::uint8_t> clip(100, 1);
  EXPECT_FALSE(platform::load_channel_clip(1, "bsou1.WAV", mono8_11025, 100, clip));
  platform::mark_channel_empty(1);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_TRUE(platform::open_audio_device());
  platform::close_audio_device();
}

}  // namespace
