#include "platform/audio/mixer.h"

#include <algorithm>
#include <cmath>

#include "platform/audio/mixer_render.h"

namespace platform {

namespace {

constexpr std::int32_t unity_gain = 1 << mixer_render::gain_bits;
constexpr std::uint8_t narrow_silence = 128;

std::int32_t gain_of(std::int32_t hundredths_db) {
  return static_cast<std::int32_t>(std::lround(unity_gain * std::pow(10.0, hundredths_db / 2000.0)));
}

// Keeps the ends in time order, channels in number order within one frame.
void add_end(MixReport& report, int channel, std::uint64_t frame) {
  if (report.end_count == audio_channel_count) return;
  int at = report.end_count++;
  for (; at > 0; --at) {
    const ChannelEnd& before = report.ends[at - 1];
    if (before.frame < frame || (before.frame == frame && before.channel < channel)) break;
    report.ends[at] = before;
  }
  report.ends[at] = {channel, frame};
}

std::uint64_t fixed(std::uint32_t frames) { return static_cast<std::uint64_t>(frames) << 32; }

// Output frames until `position` reaches `boundary` (both 32.32), at least 1 when it is short.
std::uint64_t frames_to_reach(std::uint64_t position, std::uint64_t boundary, std::uint64_t step) {
  return (boundary - position + step - 1) / step;
}

}  // namespace

bool clip_format_acceptable(const ClipFormat& format, std::uint32_t data_bytes) {
  const bool layout = (format.channels == 1 || format.channels == 2) &&
                      (format.bits_per_sample == 8 || format.bits_per_sample == 16) &&
                      format.block_align == format.channels * format.bits_per_sample / 8;
  return layout && format.samples_per_second >= min_frequency &&
         format.samples_per_second <= max_frequency && data_bytes >= min_clip_bytes &&
         data_bytes <= max_clip_bytes;
}

Mixer::Channel* Mixer::find(int channel) {
  return channel >= 1 && channel <= audio_channel_count ? &channels_[channel - 1] : nullptr;
}

const Mixer::Channel* Mixer::find(int channel) const {
  return channel >= 1 && channel <= audio_channel_count ? &channels_[channel - 1] : nullptr;
}

void Mixer::update_step(Channel& c) const {
  // Rounded up: a clip then ends on the very output frame its exact length falls in.
  c.step = ((static_cast<std::uint64_t>(c.frequency) << 32) + output_rate_ - 1) / output_rate_;
}

void Mixer::set_output_rate(std::uint32_t frames_per_second) {
  if (frames_per_second == 0) return;
  output_rate_ = frames_per_second;
  for (Channel& c : channels_) {
    if (c.holds_clip) update_step(c);
  }
}

bool Mixer::load(int channel, const ClipFormat& format, std::uint32_t data_bytes,
                 std::span<const std::uint8_t> samples) {
  Channel* c = find(channel);
  if (!c) return false;
  release(channel);
  if (!clip_format_acceptable(format, data_bytes)) return false;

  c->wide = format.bits_per_sample == 16;
  c->stereo = format.channels == 2;
  c->length = data_bytes / format.block_align;
  c->stored = static_cast<std::uint32_t>(std::min<std::size_t>(c->length, samples.size() / format.block_align));
  const std::size_t stored_samples = static_cast<std::size_t>(c->stored) * format.channels;
  const std::size_t guard_samples = format.channels;
  if (c->wide) {
    c->wide_samples.assign(stored_samples + guard_samples, 0);
    for (std::size_t i = 0; i < stored_samples; ++i) {
      c->wide_samples[i] = static_cast<std::int16_t>(samples[2 * i] | (samples[2 * i + 1] << 8));
    }
  } else {
    c->narrow_samples.assign(stored_samples + guard_samples, narrow_silence);
    std::copy_n(samples.begin(), stored_samples, c->narrow_samples.begin());
  }
  c->holds_clip = true;
  c->position = 0;
  c->frequency = format.samples_per_second;
  update_step(*c);
  c->gain = unity_gain;
  c->status = ChannelStatus::idle;
  return true;
}

void Mixer::release(int channel) {
  Channel* c = find(channel);
  if (c) *c = Channel{};
}

void Mixer::release_all() {
  for (int channel = 1; channel <= audio_channel_count; ++channel) release(channel);
}

bool Mixer::holds_clip(int channel) const {
  const Channel* c = find(channel);
  return c && c->holds_clip;
}

void Mixer::play(int channel, bool looping) {
  Channel* c = find(channel);
  if (!c || !c->holds_clip) return;
  c->status = looping ? ChannelStatus::looping : ChannelStatus::playing;
  // The frame after the last one: the clip's start while a whole clip loops, else silence.
  const bool wraps = looping && c->stored == c->length;
  const std::size_t width = c->stereo ? 2 : 1;
  const std::size_t guard = static_cast<std::size_t>(c->stored) * width;
  for (std::size_t i = 0; i < width; ++i) {
    if (c->wide) {
      c->wide_samples[guard + i] = wraps ? c->wide_samples[i] : std::int16_t{0};
    } else {
      c->narrow_samples[guard + i] = wraps ? c->narrow_samples[i] : narrow_silence;
    }
  }
}

void Mixer::stop(int channel) {
  Channel* c = find(channel);
  if (c && c->holds_clip) c->status = ChannelStatus::idle;
}

bool Mixer::set_position(int channel, std::uint32_t frame) {
  Channel* c = find(channel);
  if (!c || !c->holds_clip || frame >= c->length) return false;
  c->position = fixed(frame);
  return true;
}

std::uint32_t Mixer::position(int channel) const {
  const Channel* c = find(channel);
  return c ? static_cast<std::uint32_t>(c->position >> 32) : 0;
}

std::uint32_t Mixer::length(int channel) const {
  const Channel* c = find(channel);
  return c ? c->length : 0;
}

std::uint32_t Mixer::stored_frames(int channel) const {
  const Channel* c = find(channel);
  return c ? c->stored : 0;
}

bool Mixer::set_frequency(int channel, std::uint32_t frames_per_second) {
  Channel* c = find(channel);
  if (!c || !c->holds_clip || frames_per_second < min_frequency || frames_per_second > max_frequency) {
    return false;
  }
  c->frequency = frames_per_second;
  update_step(*c);
  return true;
}

void Mixer::set_volume(int channel, std::int32_t hundredths_db) {
  Channel* c = find(channel);
  if (c && c->holds_clip) c->gain = gain_of(std::clamp(hundredths_db, volume_silent, volume_full));
}

ChannelStatus Mixer::status(int channel) const {
  const Channel* c = find(channel);
  return c ? c->status : ChannelStatus::idle;
}

namespace {

// One stretch of a channel's stored frames: the vector loops while they can, then the rest.
template <typename Sample, bool Stereo>
void render_stretch(std::int32_t* left, std::int32_t* right, std::size_t frames, std::uint64_t position,
                    std::uint64_t step, const std::vector<Sample>& samples, std::int32_t gain) {
  std::size_t done = 0;
  if (step <= mixer_render::vector_step_limit && mixer_render::vector_loops_available()) {
    const std::size_t stored_frames = samples.size() / (Stereo ? 2 : 1);
    done = mixer_render::render_vector<Sample, Stereo>(left, right, frames, position, step, samples.data(),
                                                       stored_frames, gain);
  }
  mixer_render::render<Sample, Stereo>(left + done, right + done, frames - done, position + done * step, step,
                                       samples.data(), gain);
}

}  // namespace

void Mixer::render(const Channel& c, std::size_t offset, std::size_t frames) {
  std::int32_t* left = left_sums_ + offset;
  std::int32_t* right = right_sums_ + offset;
  if (c.wide) {
    if (c.stereo) {
      render_stretch<std::int16_t, true>(left, right, frames, c.position, c.step, c.wide_samples, c.gain);
    } else {
      render_stretch<std::int16_t, false>(left, right, frames, c.position, c.step, c.wide_samples, c.gain);
    }
  } else if (c.stereo) {
    render_stretch<std::uint8_t, true>(left, right, frames, c.position, c.step, c.narrow_samples, c.gain);
  } else {
    render_stretch<std::uint8_t, false>(left, right, frames, c.position, c.step, c.narrow_samples, c.gain);
  }
}

void Mixer::run(Channel& c, int number, std::size_t frames, std::uint64_t first_frame, MixReport& report) {
  const std::uint64_t end = fixed(c.length);
  const std::uint64_t stored_end = fixed(c.stored);
  std::size_t done = 0;
  while (done < frames) {
    const bool audible = c.position < stored_end;
    const std::uint64_t reach = frames_to_reach(c.position, audible ? stored_end : end, c.step);
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(reach, frames - done));
    if (audible) render(c, done, n);
    c.position += n * c.step;
    done += n;
    if (c.position >= end) {
      if (c.status == ChannelStatus::looping) {
        c.position %= end;
      } else {
        c.status = ChannelStatus::idle;
        c.position = 0;
        add_end(report, number, first_frame + done);
        return;
      }
    }
  }
}

MixReport Mixer::mix(std::int16_t* out, std::size_t frames) {
  MixReport report;
  for (std::size_t done = 0; done < frames;) {
    const std::size_t n = std::min(block_frames, frames - done);
    std::fill_n(left_sums_, n, 0);
    std::fill_n(right_sums_, n, 0);
    for (int i = 0; i < audio_channel_count; ++i) {
      if (channels_[i].status != ChannelStatus::idle) run(channels_[i], i + 1, n, done, report);
    }
    mixer_render::saturate(left_sums_, right_sums_, out + 2 * done, n);
    done += n;
  }
  return report;
}

MixReport Mixer::advance(std::uint64_t frames) {
  MixReport report;
  for (int i = 0; i < audio_channel_count; ++i) {
    Channel& c = channels_[i];
    if (c.status == ChannelStatus::idle) continue;
    const std::uint64_t end = fixed(c.length);
    if (c.status == ChannelStatus::looping) {
      // Long virtual spans: the product needs more than 64 bits.
      const unsigned __int128 moved = static_cast<unsigned __int128>(frames) * c.step;
      c.position = static_cast<std::uint64_t>((c.position + moved) % end);
      continue;
    }
    const std::uint64_t reach = frames_to_reach(c.position, end, c.step);
    if (frames >= reach) {
      c.status = ChannelStatus::idle;
      c.position = 0;
      add_end(report, i + 1, reach);
    } else {
      c.position += frames * c.step;
    }
  }
  return report;
}

}  // namespace platform
