#include <algorithm>

#include "platform/audio/audio.h"
#include "platform/audio/audio_backend.h"
#include "platform/audio/mixer.h"

namespace platform {

namespace {

Mixer mixer;
bool device_open = false;

using audio_backend::ChannelEvent;

// Holds the backend's guard for the length of one channel operation.
class Access {
 public:
  Access() { audio_backend::enter(); }
  ~Access() { audio_backend::leave(); }
  Access(const Access&) = delete;
  Access& operator=(const Access&) = delete;
};

bool usable(int channel) { return device_open && channel >= 1 && channel <= audio_channel_count; }

}  // namespace

bool open_audio_device() {
  if (!device_open) device_open = audio_backend::open_device(mixer);
  return device_open;
}

void close_audio_device() {
  if (!device_open) return;
  {
    Access access;
    mixer.release_all();
  }
  audio_backend::close_device();
  device_open = false;
}

bool load_channel_clip(int channel, std::string_view name, const ClipFormat& format,
                       std::uint32_t data_bytes, std::span<const std::uint8_t> samples) {
  if (!usable(channel)) return false;
  Access access;
  if (!mixer.load(channel, format, data_bytes, samples)) return false;
  audio_backend::record(channel, ChannelEvent::load, 0, name);
  return true;
}

void mark_channel_empty(int channel) {
  if (!usable(channel)) return;
  Access access;
  mixer.release(channel);
  audio_backend::record(channel, ChannelEvent::empty, 0, {});
}

void release_channel_clip(int channel) {
  if (!usable(channel)) return;
  Access access;
  mixer.release(channel);
}

bool channel_holds_clip(int channel) {
  if (!usable(channel)) return false;
  Access access;
  return mixer.holds_clip(channel);
}

void play_channel(int channel, bool looping) {
  if (!usable(channel)) return;
  Access access;
  if (!mixer.holds_clip(channel)) return;
  mixer.play(channel, looping);
  audio_backend::record(channel, looping ? ChannelEvent::play_loop : ChannelEvent::play_once, 0, {});
}

void stop_channel(int channel) {
  if (!usable(channel)) return;
  Access access;
  if (!mixer.holds_clip(channel)) return;
  mixer.stop(channel);
  audio_backend::record(channel, ChannelEvent::stop, 0, {});
}

void set_channel_position(int channel, std::uint32_t frame) {
  if (!usable(channel)) return;
  Access access;
  mixer.set_position(channel, frame);
}

std::uint32_t channel_position(int channel) {
  if (!usable(channel)) return 0;
  Access access;
  return mixer.position(channel);
}

void set_channel_frequency(int channel, std::uint32_t frames_per_second) {
  if (!usable(channel)) return;
  Access access;
  mixer.set_frequency(channel, frames_per_second);
}

void set_channel_volume(int channel, std::int32_t hundredths_db) {
  if (!usable(channel)) return;
  Access access;
  if (!mixer.holds_clip(channel)) return;
  const std::int32_t volume = std::clamp(hundredths_db, volume_silent, volume_full);
  mixer.set_volume(channel, volume);
  audio_backend::record(channel, ChannelEvent::volume, volume, {});
}

ChannelStatus channel_status(int channel) {
  if (!usable(channel)) return ChannelStatus::idle;
  Access access;
  return mixer.status(channel);
}

}  // namespace platform
