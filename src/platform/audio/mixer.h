#pragma once
// The software mixer behind the channels: resamples each clip from its playback frequency to
// the output rate by linear interpolation and sums the channels, saturating, into 16-bit
// stereo. Positions step in 32.32 fixed point; gains are Q15 factors computed when a volume is
// set, so mixing needs no division and no pow per sample.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/audio/audio.h"

namespace platform {

// A single playback that ran out, `frame` output frames into the mix or advance call.
struct ChannelEnd {
  int channel = 0;
  std::uint64_t frame = 0;
};

// Ends in the order they happened (a channel ends at most once per call: it is idle after).
struct MixReport {
  int end_count = 0;
  ChannelEnd ends[audio_channel_count];
};

inline constexpr std::uint32_t default_output_rate = 48000;

class Mixer {
 public:
  // Channel steps follow a new output rate.
  void set_output_rate(std::uint32_t frames_per_second);

  // As load_channel_clip of audio.h, which says what is refused.
  bool load(int channel, const ClipFormat& format, std::uint32_t data_bytes,
            std::span<const std::uint8_t> samples);
  void release(int channel);
  void release_all();
  bool holds_clip(int channel) const;

  void play(int channel, bool looping);
  void stop(int channel);
  bool set_position(int channel, std::uint32_t frame);
  std::uint32_t position(int channel) const;
  std::uint32_t length(int channel) const;
  // The frames held in memory: at most what the supplied bytes hold; the rest play as silence.
  std::uint32_t stored_frames(int channel) const;
  bool set_frequency(int channel, std::uint32_t frames_per_second);
  void set_volume(int channel, std::int32_t hundredths_db);
  ChannelStatus status(int channel) const;

  // Writes `frames` interleaved stereo frames to `out`.
  MixReport mix(std::int16_t* out, std::size_t frames);

  // Moves every playing channel on by `frames` output frames, exactly as mix would, without
  // producing output.
  MixReport advance(std::uint64_t frames);

 private:
  static constexpr std::size_t block_frames = 1024;

  struct Channel {
    bool holds_clip = false;
    bool wide = false;  // 16-bit samples
    bool stereo = false;
    std::vector<std::uint8_t> narrow_samples;
    std::vector<std::int16_t> wide_samples;
    // Declared frames; frames that exist in storage (the rest is silence). Storage holds one
    // guard frame more, so interpolation at the last stored frame reads no further.
    std::uint32_t length = 0;
    std::uint32_t stored = 0;
    std::uint64_t position = 0;  // 32.32 frames
    std::uint32_t frequency = 0;
    std::uint64_t step = 0;  // 32.32 frames per output frame
    std::int32_t gain = 0;   // Q15
    ChannelStatus status = ChannelStatus::idle;
  };

  Channel* find(int channel);
  const Channel* find(int channel) const;
  void update_step(Channel& c) const;
  void run(Channel& c, int number, std::size_t frames, std::uint64_t first_frame, MixReport& report);
  void render(const Channel& c, std::size_t offset, std::size_t frames);

  Channel channels_[audio_channel_count];
  std::uint32_t output_rate_ = default_output_rate;
  std::int32_t left_sums_[block_frames] = {};
  std::int32_t right_sums_[block_frames] = {};
};

}  // namespace platform
