#include "sound/music.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "sound/sound_channels.h"
#include "sound/sound_files.h"
#include "sound/sound_playback.h"
#include "sound/sound_state.h"

namespace {

void replace_music(std::int32_t number) {
  channel_control(music_channel, stop_mode);
  load_channel(music_channel, number);
  channel_control(music_channel, play_loop_mode);
}

}  // namespace

void start_title_music() {
  if (config.title_music <= 0) return;
  sound.title_music_on = sound_file_exists(config.title_music);
  if (sound.title_music_on == 1) replace_music(config.title_music);
}

void toggle_title_music() {
  if (sound.title_music_on == 1) {
    channel_control(music_channel, stop_mode);
    sound.title_music_on = 0;
    return;
  }
  sound.title_music_on = 1;
  load_channel(music_channel, config.title_music);
  channel_control(music_channel, play_loop_mode);
}

void follow_back_sound() {
  if (sound.title_music_on == 0) return;
  const std::int32_t number = pages.back_sound[page_index(pages.current_page)];
  if (number == 0 || number == config.title_music) return;
  if (sound_file_exists(number) == 0) return;
  config.title_music = number;
  replace_music(number);
}

void music_louder() {
  if (sound.music_volume_level <= loudest_music_level) return;
  --sound.music_volume_level;
  sound.channel_volume[music_channel] += music_volume_step;
  apply_channel_volume(1);
}

void music_quieter() {
  if (sound.music_volume_level >= quietest_music_level) return;
  ++sound.music_volume_level;
  sound.channel_volume[music_channel] -= music_volume_step;
  apply_channel_volume(1);
}
