#include "sound/sound_playback.h"

#include "platform/audio/audio.h"
#include "sound/sound_channels.h"
#include "sound/sound_state.h"

namespace {

bool valid_channel(std::int32_t channel) { return channel >= 1 && channel <= sound_channel_count; }

void play_once_if_held(std::int32_t channel) {
  if (sound.channel_buffer[channel]) platform::play_channel(channel, false);
}

}  // namespace

void channel_control(std::int32_t channel, std::int32_t mode) {
  if (sound.sound_on != 1) return;
  if (mode == stop_all_mode) {
    for (int c = 1; c <= sound_channel_count; ++c) {
      if (sound.channel_buffer[c]) platform::stop_channel(c);
    }
    return;
  }
  if (!valid_channel(channel)) return;
  if (mode == stop_mode) {
    if (sound.channel_buffer[channel]) platform::stop_channel(channel);
    return;
  }
  if (mode != play_once_mode && mode != play_loop_mode) return;
  if (channel == music_channel && sound.title_music_on == 0) return;
  if (sound.channel_buffer[channel]) platform::play_channel(channel, mode == play_loop_mode);
}

void play_effect(std::int32_t number) {
  if (sound.sound_on != 1) return;
  // A channel that holds the sound plays it again without a rewind: one still sounding goes on.
  for (int channel = first_effect_channel; channel <= sound_channel_count; ++channel) {
    if (sound.channel_sound[channel] == number) {
      play_once_if_held(channel);
      return;
    }
  }
  for (int channel = first_effect_channel; channel <= sound_channel_count; ++channel) {
    if (sound.channel_buffer[channel] && platform::channel_status(channel) == platform::ChannelStatus::idle) {
      load_channel(channel, number);
      play_once_if_held(channel);
      return;
    }
  }
  load_channel(page_wave_channel, number);
  play_once_if_held(page_wave_channel);
}
