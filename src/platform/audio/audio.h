#pragma once
// The program's four sound channels, numbered 1..4. Each holds one whole PCM clip and plays it
// once or looping; a shared software mixer turns them into the device's 16-bit stereo stream.
// Every operation on a channel number outside 1..4, or while no device is open, does nothing.
#include <cstdint>
#include <span>
#include <string_view>

namespace platform {

inline constexpr int audio_channel_count = 4;

// Volumes are attenuations in hundredths of a decibel; gain = 10^(volume / 2000).
inline constexpr std::int32_t volume_full = 0;
inline constexpr std::int32_t volume_silent = -10000;

// What the device accepts as a clip, as sound buffers always did.
inline constexpr std::uint32_t min_clip_bytes = 4;
inline constexpr std::uint32_t max_clip_bytes = 0x0FFFFFFF;  // mended fault "Short WAV files"
inline constexpr std::uint32_t min_frequency = 100;
inline constexpr std::uint32_t max_frequency = 200000;

// A PCM clip's layout: 8-bit samples are unsigned, 16-bit signed little-endian; stereo frames
// hold left then right.
struct ClipFormat {
  std::uint16_t channels = 0;
  std::uint32_t samples_per_second = 0;
  std::uint16_t block_align = 0;
  std::uint16_t bits_per_sample = 0;
};

enum class ChannelStatus { idle, playing, looping };

// Opens the default audio device. False: there is none (the program then runs silent).
// Opening an open device returns true again.
bool open_audio_device();

// Releases every clip and closes the device; nothing when it is closed.
void close_audio_device();

// Replaces the channel's clip (the old one is stopped and released first, also when the new
// one is refused). `data_bytes` is the clip's declared length; `samples` holds the bytes of it
// that exist, which may be fewer: the rest plays as silence. A trailing partial frame is not
// played. Refused (false, channel empty): channels not 1 or 2, bits not 8 or 16, block_align
// not channels * bits / 8, a rate outside min_frequency..max_frequency, `data_bytes` outside
// min_clip_bytes..max_clip_bytes. A loaded clip is stopped at frame 0, plays at its own rate
// and at full volume. `name` is the file name as the program built it, for the sound log.
bool load_channel_clip(int channel, std::string_view name, const ClipFormat& format,
                       std::uint32_t data_bytes, std::span<const std::uint8_t> samples);

// Whether load_channel_clip takes a clip of this format and declared length.
bool clip_format_acceptable(const ClipFormat& format, std::uint32_t data_bytes);

// A load attempt left the channel empty: releases any clip it still holds and tells the sound
// log.
void mark_channel_empty(int channel);

// Stops and releases the channel's clip.
void release_channel_clip(int channel);

bool channel_holds_clip(int channel);

// Plays from the current position, once or looping; a channel already playing goes on from
// where it is, taking the new mode. A single playback that reaches the end of the clip stops
// by itself and rewinds to frame 0.
void play_channel(int channel, bool looping);

// Stops, keeping the position.
void stop_channel(int channel);

// Moves to a frame of the clip; a frame at or past the clip's end is refused.
void set_channel_position(int channel, std::uint32_t frame);
std::uint32_t channel_position(int channel);

// Playback frequency in frames per second; values outside min_frequency..max_frequency are
// refused.
void set_channel_frequency(int channel, std::uint32_t frames_per_second);

// Volume in hundredths of a decibel, clamped into volume_silent..volume_full.
void set_channel_volume(int channel, std::int32_t hundredths_db);

// idle for an empty channel.
ChannelStatus channel_status(int channel);

}  // namespace platform
