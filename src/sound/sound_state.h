#pragma once
// The sound state: which sound each of the four channels holds, their volumes, the music
// switch. Channels are numbered 1..4; index 0 of each array is unused.
#include <cstdint>

inline constexpr int sound_channel_count = 4;
inline constexpr int music_channel = 1;
inline constexpr int page_wave_channel = 4;
inline constexpr int first_effect_channel = 2;

inline constexpr std::int32_t loudest_music_level = 1;
inline constexpr std::int32_t quietest_music_level = 8;
inline constexpr std::int32_t start_music_level = 4;
inline constexpr std::int32_t music_volume_step = 300;
inline constexpr std::int32_t default_playback_rate = 22050;

struct SoundState {
  // The device and the channels' clips: slots that start empty and are cleared on release.
  bool sound_device = false;
  bool channel_buffer[sound_channel_count + 1] = {};

  // 1 when the device opened; while 0 no channel is ever loaded or played.
  std::int32_t sound_on = 0;
  // The sound number whose file each channel holds; 0 = none.
  std::int32_t channel_sound[sound_channel_count + 1] = {};
  // 1 (loudest) .. 8 (quietest); moves with channel 1's volume.
  std::int32_t music_volume_level = start_music_level;
  // Attenuation in hundredths of a decibel (0 = full level).
  std::int32_t channel_volume[sound_channel_count + 1] = {0, -900, -600, -600, -600};
  // Forced onto every channel after it is loaded, whatever its file says.
  std::int32_t playback_rate = default_playback_rate;
  // The music switch: 1 = on.
  std::int32_t title_music_on = 0;
};

extern SoundState sound;

// Gives the whole record its start-up values.
void reset_sound_state();
