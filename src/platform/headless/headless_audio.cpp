#include "platform/headless/headless_audio.h"

#include <cstdio>
#include <limits>
#include <string>
#include <string_view>

#include "platform/audio/audio_backend.h"
#include "platform/clock/clock.h"

namespace platform {

namespace {

// A whole number of frames per millisecond, so every end falls on an exact frame and its
// millisecond is that frame rounded down.
constexpr std::uint32_t device_rate = 48000;
constexpr std::int64_t frames_per_ms = device_rate / 1000;

bool refused = false;
Mixer* open_mixer = nullptr;
std::uint64_t device_frame = 0;  // the virtual time the mixer has been brought to
std::FILE* sound_log = nullptr;

std::uint64_t frame_now() {
  const std::int64_t ms = now_ms();
  constexpr std::int64_t last_ms = std::numeric_limits<std::int64_t>::max() / frames_per_ms;
  return static_cast<std::uint64_t>((ms < last_ms ? ms : last_ms) * frames_per_ms);
}

void write_line(std::uint64_t frame, int channel, const char* event, std::string_view detail) {
  if (!sound_log) return;
  std::fprintf(sound_log, "%llu ch%d %s%s%.*s\n", static_cast<unsigned long long>(frame / frames_per_ms),
               channel, event, detail.empty() ? "" : " ", static_cast<int>(detail.size()), detail.data());
}

void catch_up() {
  if (!open_mixer) return;
  const std::uint64_t target = frame_now();
  if (target <= device_frame) return;
  const MixReport report = open_mixer->advance(target - device_frame);
  for (int i = 0; i < report.end_count; ++i) {
    write_line(device_frame + report.ends[i].frame, report.ends[i].channel, "end", "");
  }
  device_frame = target;
}

}  // namespace

namespace audio_backend {

bool open_device(Mixer& mixer) {
  if (refused) return false;
  mixer.set_output_rate(device_rate);
  open_mixer = &mixer;
  device_frame = frame_now();
  return true;
}

void close_device() { open_mixer = nullptr; }

void enter() { catch_up(); }

void leave() {}

void record(int channel, ChannelEvent event, std::int32_t value, std::string_view name) {
  const std::uint64_t frame = frame_now();
  switch (event) {
    case ChannelEvent::load:
      write_line(frame, channel, "load", name);
      break;
    case ChannelEvent::empty:
      write_line(frame, channel, "empty", "");
      break;
    case ChannelEvent::play_once:
      write_line(frame, channel, "play", "once");
      break;
    case ChannelEvent::play_loop:
      write_line(frame, channel, "play", "loop");
      break;
    case ChannelEvent::stop:
      write_line(frame, channel, "stop", "");
      break;
    case ChannelEvent::volume:
      write_line(frame, channel, "volume", std::to_string(value).c_str());
      break;
  }
}

}  // namespace audio_backend

namespace headless {

void refuse_audio_device(bool refuse) { refused = refuse; }

bool start_sound_log(const std::string& path) {
  close_sound_log();
  sound_log = std::fopen(path.c_str(), "w");
  return sound_log != nullptr;
}

void flush_sound_log() {
  catch_up();
  if (sound_log) std::fflush(sound_log);
}

void close_sound_log() {
  catch_up();
  if (sound_log) std::fclose(sound_log);
  sound_log = nullptr;
}

}  // namespace headless

}  // namespace platform
