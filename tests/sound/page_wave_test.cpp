#include "sound/page_wave.h"

#include "book/page_table.h"
#include "platform/audio/audio.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_clock.h"
#include "sound/sound_channels.h"
#include "sound/sound_playback.h"
#include "sound/sound_state.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

using platform::ChannelStatus;

// Pages 1..3; page 1 and 2 share wave 30, page 3 has wave 31.
class PageWave : public SoundTest {
 protected:
  void SetUp() override {
    for (std::int32_t number : {1, 2, 3, 7, 30, 31}) make_sound(number);
    pages.page_count = 3;
    pages.wave[1] = 30;
    pages.wave[2] = 30;
    pages.wave[3] = 31;
    sound_startup(1);
    log_.fresh_lines();
  }

  void show(std::int32_t page) {
    pages.current_page = page;
    page_wave_step();
  }
};

TEST_F(PageWave, PlaysOncePerPassAndAgainAfterTheFlagsAreCleared) {
  show(3);
  EXPECT_EQ(pages.wave_played[3], 1);
  EXPECT_EQ(pages.page_wave_playing, 1);
  show(3);
  EXPECT_EQ(pages.page_wave_playing, 0);
  EXPECT_EQ(platform::channel_status(4), ChannelStatus::idle);
  reset_played_flags();
  show(3);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch4 load bsou31.WAV", "0 ch4 volume -600", "0 ch4 play once",
                                       "0 ch4 stop", "0 ch4 play once"}));
}

TEST_F(PageWave, TheSameWaveOnTheNextPageGoesOnFromWhereItStopped) {
  show(1);
  platform::headless::advance_ms(200);
  show(2);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch4 load bsou30.WAV", "0 ch4 volume -600", "0 ch4 play once",
                                       "200 ch4 stop", "200 ch4 play once"}));
  EXPECT_EQ(platform::channel_position(4), 4410u);
}

TEST_F(PageWave, AMissingWaveLeavesThePageToTryAgain) {
  pages.wave[2] = 32;
  show(2);
  EXPECT_EQ(pages.wave_played[2], 0);
  EXPECT_EQ(pages.page_wave_playing, 0);
  EXPECT_TRUE(log_.fresh_lines().empty());
  make_sound(32);
  show(2);
  EXPECT_EQ(pages.wave_played[2], 1);
}

TEST_F(PageWave, AWaveThatCannotLoadCountsAsPlayed) {
  make_sound(33, adpcm, 0.1);
  pages.wave[2] = 33;
  show(2);
  EXPECT_EQ(pages.wave_played[2], 1);
  EXPECT_EQ(pages.page_wave_playing, 1);
  EXPECT_FALSE(sound.channel_buffer[4]);
}

TEST_F(PageWave, TheDisplaysStopCutsOffAnEffectThatLandedOnChannelFour) {
  show(3);
  play_effect(1);
  play_effect(2);
  play_effect(7);
  EXPECT_EQ(sound.channel_sound[4], 7);
  show(1);
  const Lines lines = log_.fresh_lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[lines.size() - 4], "0 ch4 stop");
  EXPECT_EQ(lines.back(), "0 ch4 play once");
  EXPECT_EQ(sound.channel_sound[4], 30);
}

TEST_F(PageWave, WithoutSoundWavesAreStillMarkedPlayed) {
  sound_shutdown();
  reset_sound_state();
  platform::headless::refuse_audio_device(true);
  sound_startup(1);
  show(3);
  EXPECT_EQ(pages.wave_played[3], 1);
  EXPECT_EQ(pages.page_wave_playing, 0);
  EXPECT_TRUE(log_.fresh_lines().empty());
}

}  // namespace
}  // namespace sound_test
