#include "demo/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace demo {

namespace {

constexpr double two_pi = 2 * std::numbers::pi;
constexpr double rate = demo_sample_rate;
constexpr double nyquist_margin = 0.45 * demo_sample_rate;

std::size_t frames_of(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * rate + 0.5); }

// 0 -> 1 without a corner at either end.
double raised_cosine(double t) { return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(t, 0.0, 1.0)); }

// Where sample i of a sound starting at frame `first` lands, or -1 when it falls off the end.
long target_index(const Track& t, std::size_t first, std::size_t i, bool wrap) {
  const std::size_t index = first + i;
  if (index < t.size()) return static_cast<long>(index);
  return wrap && !t.empty() ? static_cast<long>(index % t.size()) : -1;
}

}  // namespace

Track silence(double seconds) { return Track(frames_of(seconds), 0.0); }

double seconds_of(const Track& t) { return static_cast<double>(t.size()) / rate; }

double midi_frequency(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void add_note(Track& t, double start, double length, double frequency, const Voice& voice, double gain, bool wrap) {
  const std::size_t first = frames_of(start);
  const std::size_t count = frames_of(length + voice.release);
  std::vector<double> phases(voice.partials.size(), 0.0);
  for (std::size_t i = 0; i < count; ++i) {
    const double time = i / rate;
    double level = raised_cosine(voice.attack > 0 ? time / voice.attack : 1);
    if (time > length) level *= 1 - raised_cosine((time - length) / voice.release);
    const double swing = 1 + voice.vibrato_depth * std::sin(two_pi * voice.vibrato_rate * time);
    double sample = 0;
    for (std::size_t k = 0; k < voice.partials.size(); ++k) {
      const double harmonic = static_cast<double>(k + 1);
      const double f = frequency * harmonic * swing;
      phases[k] += two_pi * f / rate;
      if (f >= nyquist_margin) continue;
      const double decay = voice.decay > 0 ? std::exp(-time * harmonic / voice.decay) : 1;
      sample += voice.partials[k] * decay * std::sin(phases[k]);
    }
    const long index = target_index(t, first, i, wrap);
    if (index >= 0) t[static_cast<std::size_t>(index)] += gain * level * sample;
  }
}

void add_glide(Track& t, double start, double length, double f0, double f1, const std::vector<double>& partials,
               double gain, double attack, double release) {
  const std::size_t first = frames_of(start);
  const std::size_t count = frames_of(length);
  std::vector<double> phases(partials.size(), 0.0);
  for (std::size_t i = 0; i < count; ++i) {
    const double time = i / rate;
    const double progress = count > 1 ? static_cast<double>(i) / (count - 1) : 0;
    const double f = f0 * std::pow(f1 / f0, progress);
    const double level = raised_cosine(time / attack) * raised_cosine((length - time) / release);
    double sample = 0;
    for (std::size_t k = 0; k < partials.size(); ++k) {
      phases[k] += two_pi * f * (k + 1) / rate;
      if (f * (k + 1) < nyquist_margin) sample += partials[k] * std::sin(phases[k]);
    }
    const long index = target_index(t, first, i, false);
    if (index >= 0) t[static_cast<std::size_t>(index)] += gain * level * sample;
  }
}

double Noise::next() { return 2 * uniform() - 1; }

double Noise::uniform() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return (state_ & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

Track band_noise(double seconds, const std::function<double(double)>& centre, double width, std::uint32_t seed) {
  Track out = silence(seconds);
  Noise noise(seed);
  // A state-variable filter in trapezoidal form: stable at every centre frequency.
  double state1 = 0, state2 = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double f = std::clamp(centre(i / rate), 20.0, nyquist_margin);
    const double g = std::tan(std::numbers::pi * f / rate);
    const double a1 = 1 / (1 + g * (g + width)), a2 = g * a1, a3 = g * a2;
    const double v3 = noise.next() - state2;
    const double v1 = a1 * state1 + a2 * v3;
    const double v2 = state2 + a2 * state1 + a3 * v3;
    state1 = 2 * v1 - state1;
    state2 = 2 * v2 - state2;
    out[i] = v1;
  }
  return out;
}

void low_pass(Track& t, double cutoff) {
  const double a = 1 - std::exp(-two_pi * cutoff / rate);
  double y = 0;
  for (double& v : t) v = y += a * (v - y);
}

void fade(Track& t, double fade_in, double fade_out) {
  const double length = seconds_of(t);
  shape(t, [&](double time) {
    const double in = fade_in > 0 ? raised_cosine(time / fade_in) : 1;
    const double out = fade_out > 0 ? raised_cosine((length - time) / fade_out) : 1;
    return in * out;
  });
}

void shape(Track& t, const std::function<double(double)>& envelope) {
  for (std::size_t i = 0; i < t.size(); ++i) t[i] *= envelope(i / rate);
}

void add_echo(Track& t, double delay, double feedback, bool wrap) {
  const std::size_t d = frames_of(delay);
  if (d == 0 || t.empty()) return;
  const Track dry = t;
  // Around a loop the echoes build up over a few turns until they settle.
  const int turns = wrap ? 6 : 1;
  for (int turn = 0; turn < turns; ++turn)
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (i < d && !wrap) continue;
      const std::size_t from = (i + t.size() - d % t.size()) % t.size();
      t[i] = dry[i] + feedback * t[from];
    }
}

void mix_into(Track& t, const Track& source, double start, double gain) {
  const std::size_t first = frames_of(start);
  for (std::size_t i = 0; i < source.size() && first + i < t.size(); ++i) t[first + i] += gain * source[i];
}

void normalise(Track& t, double peak) {
  double loudest = 0;
  for (double v : t) loudest = std::max(loudest, std::abs(v));
  if (loudest > 0)
    for (double& v : t) v *= peak / loudest;
}

Clip mono_clip(const Track& t) { return {1, t}; }

Clip stereo_clip(const std::vector<Panned>& parts) {
  std::size_t frames = 0;
  for (const Panned& p : parts) frames = std::max(frames, p.track->size());
  Clip clip{2, std::vector<double>(frames * 2, 0.0)};
  for (const Panned& p : parts) {
    const double angle = (std::clamp(p.pan, -1.0, 1.0) + 1) * std::numbers::pi / 4;
    const double left = std::cos(angle), right = std::sin(angle);
    for (std::size_t i = 0; i < p.track->size(); ++i) {
      clip.samples[2 * i] += left * (*p.track)[i];
      clip.samples[2 * i + 1] += right * (*p.track)[i];
    }
  }
  return clip;
}

void normalise(Clip& c, double peak) { normalise(c.samples, peak); }

}  // namespace demo
