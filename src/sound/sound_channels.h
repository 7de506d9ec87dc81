#pragma once
// The sound device and the four channels: start-up with its preload, loading a numbered sound
// into a channel, the channel volumes, shutdown.
#include <cstdint>

// Opens the device and, when `preload` is 1, loads the start-up sounds: channel 2 with sound
// 1, channel 3 with 2, channel 4 with 3, channel 1 with 100.
void sound_startup(std::int32_t preload);

// 1 when the sound device is ready, else 0.
std::int32_t create_sound_device();

// Fills `channel` (1..4) with the file of sound `number`; success shows in channel_sound.
// Loading the number the channel holds does nothing; a failed load leaves the channel empty.
// Never starts playback.
void load_channel(std::int32_t channel, std::int32_t number);

// which = 1: channel 1 gets its channel_volume; which = 2: channels 2, 3 and 4 get theirs.
void apply_channel_volume(std::int32_t which);

// Releases the channels' clips, then the device. Safe to run twice.
void sound_shutdown();
