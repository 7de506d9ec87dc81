#include "sound/music.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "platform/audio/audio.h"
#include "platform/headless/headless_clock.h"
#include "sound/sound_channels.h"
#include "sound/sound_state.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

using platform::ChannelStatus;

// Start-up with sound 100 preloaded on channel 1, title music 50 configured, pages 1..3.
class Music : public SoundTest {
 protected:
  void SetUp() override {
    for (std::int32_t number : {50, 51, 52, 100}) make_sound(number, mono8, 2.0);
    config.title_music = 50;
    pages.page_count = 3;
    sound_startup(1);
    log_.fresh_lines();
  }

  void turn_to(std::int32_t page) {
    pages.current_page = page;
    follow_back_sound();
  }
};

TEST_F(Music, TheTitleMusicLoopsFromStartUp) {
  start_title_music();
  EXPECT_EQ(sound.title_music_on, 1);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch1 stop", "0 ch1 load bsou50.WAV", "0 ch1 volume -900", "0 ch1 play loop"}));
}

TEST_F(Music, AMissingTitleMusicLeavesTheMusicOffWithTheStartUpSound) {
  config.title_music = 60;
  start_title_music();
  EXPECT_EQ(sound.title_music_on, 0);
  EXPECT_EQ(sound.channel_sound[1], 100);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::idle);
  config.title_music = 0;
  start_title_music();
  EXPECT_TRUE(log_.fresh_lines().empty());
}

TEST_F(Music, SwitchingOffAndOnResumesWhereTheLoopStopped) {
  start_title_music();
  platform::headless::advance_ms(700);
  toggle_title_music();
  EXPECT_EQ(sound.title_music_on, 0);
  platform::headless::advance_ms(10000);
  toggle_title_music();
  EXPECT_EQ(sound.title_music_on, 1);
  EXPECT_EQ(platform::channel_position(1), 700u * 22050 / 1000);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::looping);
}

TEST_F(Music, SwitchingOnLoadsTheMusicWithoutTestingItsFile) {
  config.title_music = 61;
  toggle_title_music();
  EXPECT_EQ(sound.title_music_on, 1);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch1 empty"}));
}

TEST_F(Music, ABackSoundReplacesTheMusicFromItsBeginningAndBecomesIt) {
  pages.back_sound[2] = 51;
  start_title_music();
  platform::headless::advance_ms(300);
  log_.fresh_lines();
  turn_to(2);
  EXPECT_EQ(config.title_music, 51);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"300 ch1 stop", "300 ch1 load bsou51.WAV", "300 ch1 volume -900",
                                       "300 ch1 play loop"}));
  EXPECT_EQ(platform::channel_position(1), 0u);
}

TEST_F(Music, TheSameMissingOrNoBackSoundKeepsTheMusicGoing) {
  pages.back_sound[1] = 50;
  pages.back_sound[3] = 70;
  start_title_music();
  log_.fresh_lines();
  turn_to(1);
  turn_to(2);
  turn_to(3);
  EXPECT_TRUE(log_.fresh_lines().empty());
  EXPECT_EQ(config.title_music, 50);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::looping);
}

TEST_F(Music, WhileTheMusicIsOffBackSoundsAreIgnoredThenTheLastFollowedReturns) {
  pages.back_sound[1] = 51;
  pages.back_sound[2] = 52;
  start_title_music();
  turn_to(1);
  toggle_title_music();
  turn_to(2);
  EXPECT_EQ(config.title_music, 51);
  EXPECT_EQ(sound.channel_sound[1], 51);
  toggle_title_music();
  EXPECT_EQ(sound.channel_sound[1], 51);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::looping);
}

TEST_F(Music, VolumeStepsStopAtLevelOneAndLevelEight) {
  start_title_music();
  log_.fresh_lines();
  for (int i = 0; i < 5; ++i) music_louder();
  EXPECT_EQ(sound.music_volume_level, 1);
  EXPECT_EQ(sound.channel_volume[1], 0);
  for (int i = 0; i < 9; ++i) music_quieter();
  EXPECT_EQ(sound.music_volume_level, 8);
  EXPECT_EQ(sound.channel_volume[1], -2100);
  const Lines lines = log_.fresh_lines();
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[2], "0 ch1 volume 0");
  EXPECT_EQ(lines[9], "0 ch1 volume -2100");
}

TEST_F(Music, TheMusicVolumeStaysWithChannelOneAcrossReloads) {
  music_quieter();
  load_channel(1, 51);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch1 volume -1200", "0 ch1 load bsou51.WAV", "0 ch1 volume -1200"}));
}

}  // namespace
}  // namespace sound_test
