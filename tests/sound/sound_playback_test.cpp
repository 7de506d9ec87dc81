#include "sound/sound_playback.h"

#include <filesystem>

#include "platform/audio/audio.h"
#include "platform/headless/headless_clock.h"
#include "sound/sound_channels.h"
#include "sound/sound_state.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

using platform::ChannelStatus;

// Start-up with one-second sounds 1, 2, 3 and 100 preloaded, and effects 4..7 on disk.
class Playback : public SoundTest {
 protected:
  void SetUp() override {
    for (std::int32_t number : {1, 2, 3, 4, 5, 6, 7, 100}) make_sound(number);
    sound_startup(1);
    log_.fresh_lines();
  }
};

TEST_F(Playback, EffectsNoChannelHoldsFillTwoThreeFourThenCutOffFour) {
  play_effect(4);
  play_effect(5);
  play_effect(6);
  platform::headless::advance_ms(100);
  play_effect(7);
  EXPECT_EQ(log_.fresh_lines(),
            (Lines{"0 ch2 load bsou4.WAV", "0 ch2 volume -600", "0 ch2 play once", "0 ch3 load bsou5.WAV",
                   "0 ch3 volume -600", "0 ch3 play once", "0 ch4 load bsou6.WAV", "0 ch4 volume -600",
                   "0 ch4 play once", "100 ch4 load bsou7.WAV", "100 ch4 volume -600", "100 ch4 play once"}));
  EXPECT_EQ(platform::channel_status(2), ChannelStatus::playing);
  EXPECT_EQ(platform::channel_position(4), 0u);
}

TEST_F(Playback, AnEffectStillSoundingIsNeitherRestartedNorDoubled) {
  play_effect(2);
  platform::headless::advance_ms(300);
  play_effect(2);
  EXPECT_EQ(platform::channel_position(3), 6615u);
  log_.fresh_lines();
  platform::headless::advance_ms(200);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"500 ch3 end"}));
  play_effect(2);
  platform::headless::advance_ms(499);
  EXPECT_EQ(platform::channel_status(3), ChannelStatus::playing);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"500 ch3 play once"}));
}

TEST_F(Playback, AnIdleChannelIsTakenBeforeChannelFour) {
  play_effect(1);
  play_effect(7);
  EXPECT_EQ(sound.channel_sound[3], 7);
  EXPECT_EQ(sound.channel_sound[2], 1);
  EXPECT_EQ(sound.channel_sound[4], 3);
}

TEST_F(Playback, AnEffectChannelFourHoldsPlaysThereWithoutAReload) {
  play_effect(3);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch4 play once"}));
}

TEST_F(Playback, WithChannelsTwoAndThreeEmptyEveryNewEffectGoesToFour) {
  sound_shutdown();
  std::filesystem::remove(file_of(1));
  std::filesystem::remove(file_of(2));
  reset_sound_state();
  sound_startup(1);
  log_.fresh_lines();
  play_effect(5);
  play_effect(6);
  EXPECT_EQ(sound.channel_sound[4], 6);
  EXPECT_FALSE(sound.channel_buffer[2]);
  EXPECT_FALSE(sound.channel_buffer[3]);
}

TEST_F(Playback, AMissingEffectEmptiesChannelFourUntilAnotherEffectRefillsIt) {
  play_effect(1);
  play_effect(2);
  play_effect(9);
  EXPECT_FALSE(sound.channel_buffer[4]);
  platform::headless::advance_ms(2000);
  play_effect(6);
  play_effect(7);
  EXPECT_EQ(sound.channel_sound[2], 6);
  EXPECT_EQ(sound.channel_sound[3], 7);
  EXPECT_FALSE(sound.channel_buffer[4]);
  play_effect(5);
  EXPECT_EQ(sound.channel_sound[4], 5);
}

TEST_F(Playback, TheMusicChannelPlaysOnlyWhileTheMusicIsOnButAlwaysStops) {
  channel_control(1, play_loop_mode);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::idle);
  sound.title_music_on = 1;
  channel_control(1, play_loop_mode);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::looping);
  sound.title_music_on = 0;
  channel_control(1, stop_mode);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::idle);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch1 play loop", "0 ch1 stop"}));
}

TEST_F(Playback, StoppingKeepsThePlaceAndPlayingNeverRewinds) {
  channel_control(2, play_once_mode);
  platform::headless::advance_ms(200);
  channel_control(2, stop_mode);
  platform::headless::advance_ms(5000);
  EXPECT_EQ(platform::channel_position(2), 4410u);
  channel_control(2, play_loop_mode);
  channel_control(2, play_loop_mode);
  EXPECT_EQ(platform::channel_position(2), 4410u);
  EXPECT_EQ(platform::channel_status(2), ChannelStatus::looping);
}

TEST_F(Playback, StopAllStopsEveryHeldChannelAndOddRequestsDoNothing) {
  channel_control(2, play_once_mode);
  channel_control(4, play_loop_mode);
  channel_control(0, play_once_mode);
  channel_control(5, stop_mode);
  channel_control(3, 3);
  channel_control(7, stop_all_mode);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch2 play once", "0 ch4 play loop", "0 ch1 stop", "0 ch2 stop",
                                       "0 ch3 stop", "0 ch4 stop"}));
}

}  // namespace
}  // namespace sound_test
