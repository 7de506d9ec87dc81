#include "sound/sound_channels.h"

#include <filesystem>

#include "book/configuration.h"
#include "platform/audio/audio.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_clock.h"
#include "sound/sound_files.h"
#include "sound/sound_playback.h"
#include "sound/sound_state.h"
#include "sound_fixture.h"

namespace sound_test {
namespace {

using platform::ChannelStatus;

class SoundStartup : public SoundTest {};

TEST_F(SoundStartup, PreloadsChannelsTwoThreeFourThenOneWithTheirVolumes) {
  for (std::int32_t number : {1, 2, 3, 100}) make_sound(number);
  sound_startup(1);
  EXPECT_EQ(sound.sound_on, 1);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch2 load bsou1.WAV", "0 ch2 volume -600", "0 ch3 load bsou2.WAV",
                                 "0 ch3 volume -600", "0 ch4 load bsou3.WAV", "0 ch4 volume -600",
                                 "0 ch1 load bsou100.WAV", "0 ch1 volume -900"}));
  EXPECT_EQ(sound.channel_sound[1], 100);
  EXPECT_EQ(sound.channel_sound[4], 3);
  EXPECT_EQ(platform::channel_status(1), ChannelStatus::idle);
}

TEST_F(SoundStartup, AMissingFileLeavesItsChannelEmptyAndTheOthersLoad) {
  for (std::int32_t number : {1, 3, 100}) make_sound(number);
  sound_startup(1);
  EXPECT_EQ(log_.lines()[2], "0 ch3 empty");
  EXPECT_EQ(sound.channel_sound[3], 0);
  EXPECT_FALSE(sound.channel_buffer[3]);
  EXPECT_EQ(sound.channel_sound[1], 100);
}

TEST_F(SoundStartup, WithoutADeviceNothingIsReadOrPlayed) {
  for (std::int32_t number : {1, 2, 3, 100}) make_sound(number);
  platform::headless::refuse_audio_device(true);
  sound_startup(1);
  EXPECT_EQ(sound.sound_on, 0);
  load_channel(2, 7);
  play_effect(1);
  EXPECT_TRUE(log_.lines().empty());
  EXPECT_FALSE(sound.channel_buffer[2]);
}

class LoadChannel : public SoundTest {
 protected:
  void SetUp() override { sound_startup(0); }
};

TEST_F(LoadChannel, TheNumberAlreadyHeldChangesNothingNotEvenAPlayingPosition) {
  make_sound(3);
  load_channel(4, 3);
  platform::play_channel(4, false);
  platform::headless::advance_ms(100);
  const std::uint32_t position = platform::channel_position(4);
  log_.fresh_lines();
  load_channel(4, 3);
  EXPECT_TRUE(log_.fresh_lines().empty());
  EXPECT_EQ(platform::channel_position(4), position);
  EXPECT_EQ(platform::channel_status(4), ChannelStatus::playing);
  load_channel(2, 0);
  EXPECT_TRUE(log_.fresh_lines().empty());
}

TEST_F(LoadChannel, EveryFilePlaysAtThePlaybackRateWhateverItsOwnRate) {
  make_sound(11, mono8, 1.0);
  make_sound(12, stereo16, 0.5);
  load_channel(2, 11);
  load_channel(3, 12);
  platform::play_channel(2, false);
  platform::play_channel(3, false);
  log_.fresh_lines();
  platform::headless::advance_ms(1500);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"500 ch2 end", "1000 ch3 end"}));
}

TEST_F(LoadChannel, NonPcmFilesLeaveTheChannelEmptyAndTheOldSoundIsGone) {
  make_sound(3);
  make_sound(8, extensible, 0.1);
  make_sound(9, adpcm, 0.1);
  load_channel(4, 3);
  load_channel(4, 9);
  EXPECT_FALSE(sound.channel_buffer[4]);
  EXPECT_EQ(sound.channel_sound[4], 0);
  load_channel(4, 8);
  load_channel(4, 3);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch4 load bsou3.WAV", "0 ch4 volume -600", "0 ch4 empty", "0 ch4 empty",
                                 "0 ch4 load bsou3.WAV", "0 ch4 volume -600"}));
}

TEST_F(LoadChannel, AnEighteenByteFormatChunkLoads) {
  make_sound(5, stereo16, 0.1);
  Bytes file = read_bytes(file_of(5));
  file.insert(file.begin() + format_tag_offset + 16, {0, 0});
  put_le(file, format_size_offset, 18, 4);
  put_le(file, riff_size_offset, static_cast<std::uint32_t>(file.size() - 8), 4);
  write_bytes(file_of(5), file);
  load_channel(2, 5);
  EXPECT_EQ(sound.channel_sound[2], 5);
}

TEST_F(LoadChannel, AFileShorterThanItsDataPlaysTheDeclaredLength) {
  make_sound(6, mono8, 1.0);
  Bytes file = read_bytes(file_of(6));
  file.resize(canonical_header_size + 2000);
  write_bytes(file_of(6), file);
  load_channel(3, 6);
  ASSERT_EQ(sound.channel_sound[3], 6);
  platform::play_channel(3, false);
  log_.fresh_lines();
  platform::headless::advance_ms(499);
  EXPECT_EQ(platform::channel_status(3), ChannelStatus::playing);
  platform::headless::advance_ms(1);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"500 ch3 end"}));
}

TEST_F(LoadChannel, ADeclaredSizeTheDeviceRefusesLeavesTheChannelEmpty) {
  make_sound(6, mono8, 0.1);
  Bytes file = read_bytes(file_of(6));
  put_le(file, data_size_offset, platform::max_clip_bytes + 1, 4);
  write_bytes(file_of(6), file);
  load_channel(3, 6);
  EXPECT_EQ(sound.channel_sound[3], 0);
  put_le(file, data_size_offset, platform::max_clip_bytes, 4);
  write_bytes(file_of(6), file);
  load_channel(3, 6);
  EXPECT_EQ(sound.channel_sound[3], 6);
}

TEST_F(LoadChannel, AFailedBackSoundThenThePreviousMusicReloadsItFromItsFile) {
  make_sound(20);
  make_sound(21, adpcm, 0.1);
  load_channel(1, 20);
  load_channel(1, 21);
  load_channel(1, 20);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch1 load bsou20.WAV", "0 ch1 volume -900", "0 ch1 empty",
                                 "0 ch1 load bsou20.WAV", "0 ch1 volume -900"}));
}

TEST_F(LoadChannel, NamesFollowThePrefixAndStopAtThirtyNineCharacters) {
  std::filesystem::create_directory(dir_.path() / "Sounds");
  const std::string prefix = "sounds\\" + std::string(26, 'p');  // 33 characters, then 2 digits and .WAV
  write_file(dir_.file("Sounds/" + std::string(26, 'p') + "12.wav"), make_wav(mono8, 0.1));
  copy_text_field(config.sound_prefix, prefix_room, prefix.c_str(), static_cast<int>(prefix.size()));
  char name[sound_name_size];
  ASSERT_TRUE(sound_file_name(12, name));
  EXPECT_EQ(std::string(name), prefix + "12.WAV");
  EXPECT_EQ(sound_file_exists(12), 1);
  load_channel(2, 12);
  EXPECT_EQ(sound.channel_sound[2], 12);

  EXPECT_FALSE(sound_file_name(123, name));
  EXPECT_EQ(name[0], '\0');
  EXPECT_EQ(sound_file_exists(123), 0);
  write_file(dir_.file("Sounds/" + std::string(26, 'p') + "123.wav"), make_wav(mono8, 0.1));
  EXPECT_EQ(sound_file_exists(123), 0);
  load_channel(2, 123);
  EXPECT_EQ(sound.channel_sound[2], 0);
}

TEST_F(LoadChannel, AFolderOfTheSoundsNameIsNoFile) {
  std::filesystem::create_directory(dir_.file(file_of(40)));
  EXPECT_EQ(sound_file_exists(40), 0);
  load_channel(2, 40);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch2 empty"}));
}

TEST_F(LoadChannel, ChannelVolumesApplyByGroup) {
  for (std::int32_t number : {1, 3, 100}) make_sound(number);
  load_channel(1, 100);
  load_channel(2, 1);
  load_channel(4, 3);
  log_.fresh_lines();
  sound.channel_volume[1] = -300;
  sound.channel_volume[4] = -1200;
  apply_channel_volume(2);
  apply_channel_volume(1);
  apply_channel_volume(3);
  apply_channel_volume(0);
  EXPECT_EQ(log_.fresh_lines(), (Lines{"0 ch2 volume -600", "0 ch4 volume -1200", "0 ch1 volume -300"}));
}

TEST_F(LoadChannel, ShutdownReleasesEverythingAndMayRunTwice) {
  make_sound(1);
  load_channel(2, 1);
  sound_shutdown();
  EXPECT_FALSE(sound.channel_buffer[2]);
  EXPECT_FALSE(sound.sound_device);
  EXPECT_FALSE(platform::channel_holds_clip(2));
  sound_shutdown();
  channel_control(2, play_once_mode);
  EXPECT_EQ(log_.lines(), (Lines{"0 ch2 load bsou1.WAV", "0 ch2 volume -600"}));
}

}  // namespace
}  // namespace sound_test
