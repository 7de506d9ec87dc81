#include "sound/sound_channels.h"

#include <optional>
#include <string>

#include "platform/audio/audio.h"
#include "platform/files/whole_file.h"
#include "sound/sound_files.h"
#include "sound/sound_state.h"
#include "sound/wave_file.h"

namespace {

struct Preload {
  std::int32_t channel;
  std::int32_t number;
};

constexpr Preload start_up_sounds[] = {{2, 1}, {3, 2}, {4, 3}, {music_channel, 100}};

bool valid_channel(std::int32_t channel) { return channel >= 1 && channel <= sound_channel_count; }

// Reads, parses and hands the file of sound `number` to the channel. False: nothing loaded.
bool fill_channel(std::int32_t channel, std::int32_t number) {
  char name[sound_name_size];
  if (!sound_file_name(number, name)) return false;
  const std::optional<platform::WholeFile> file = platform::WholeFile::read(name);
  if (!file) return false;
  WaveLayout wave;
  if (!parse_wave(file->bytes(), wave)) return false;

  // Mended fault "Short WAV files": a file shorter than its declared data hands over only what
  // it holds; the rest plays as silence and is never allocated.
  const std::span<const std::uint8_t> samples = file->bytes().subspan(wave.data_offset);
  const platform::ClipFormat format{wave.channels, wave.samples_per_second, wave.block_align,
                                    wave.bits_per_sample};
  const std::size_t held = samples.size() < wave.data_size ? samples.size() : wave.data_size;
  return platform::load_channel_clip(channel, name, format, wave.data_size, samples.first(held));
}

}  // namespace

void sound_startup(std::int32_t preload) {
  sound.music_volume_level = start_music_level;
  sound.sound_device = false;
  for (int channel = 1; channel <= sound_channel_count; ++channel) {
    sound.channel_sound[channel] = 0;
    sound.channel_buffer[channel] = false;
  }
  sound.sound_on = create_sound_device();
  if (sound.sound_on != 1 || preload != 1) return;
  for (const Preload& load : start_up_sounds) load_channel(load.channel, load.number);
}

std::int32_t create_sound_device() {
  if (!platform::open_audio_device()) return 0;
  sound.sound_device = true;
  return 1;
}

void load_channel(std::int32_t channel, std::int32_t number) {
  if (sound.sound_on == 0 || !valid_channel(channel)) return;
  if (sound.channel_sound[channel] == number) return;
  if (sound.channel_buffer[channel]) {
    platform::release_channel_clip(channel);
    sound.channel_buffer[channel] = false;
    sound.channel_sound[channel] = 0;
  }
  if (!fill_channel(channel, number)) {
    platform::mark_channel_empty(channel);
    return;
  }
  sound.channel_buffer[channel] = true;
  sound.channel_sound[channel] = number;
  platform::set_channel_position(channel, 0);
  platform::set_channel_frequency(channel, static_cast<std::uint32_t>(sound.playback_rate));
  platform::set_channel_volume(channel, sound.channel_volume[channel]);
}

void apply_channel_volume(std::int32_t which) {
  int first = 0;
  int last = -1;
  if (which == 1) {
    first = last = music_channel;
  } else if (which == 2) {
    first = first_effect_channel;
    last = sound_channel_count;
  }
  for (int channel = first; channel <= last; ++channel) {
    if (sound.channel_buffer[channel]) platform::set_channel_volume(channel, sound.channel_volume[channel]);
  }
}

void sound_shutdown() {
  for (int channel = 1; channel <= sound_channel_count; ++channel) {
    if (!sound.channel_buffer[channel]) continue;
    platform::release_channel_clip(channel);
    sound.channel_buffer[channel] = false;
  }
  if (sound.sound_device) {
    platform::close_audio_device();
    sound.sound_device = false;
  }
}
