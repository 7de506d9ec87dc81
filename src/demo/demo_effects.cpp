// The short sounds: the preloaded tones, the editor's and the reader's effects, and the pages'
// own sounds (birds, sparkles, a frog, an owl, rain, a harp, a star flying up, crickets).
#include <cmath>
#include <numbers>

#include "demo/demo_sounds.h"
#include "demo/melody.h"

namespace demo {

namespace {

constexpr double two_pi = 2 * std::numbers::pi;

const Voice soft_bell{{1.0, 0.15, 0.05}, 0.01, 0.4, 0.15};
const Voice tinkle{{1.0, 0.2, 0.08}, 0.002, 0.25, 0.2};
const Voice harp{{1.0, 0.5, 0.25, 0.1, 0.05}, 0.003, 0.6, 0.3};

SoundFile soft_tone(int number, double midi, int bits) {
  Track t = silence(0.5);
  add_note(t, 0.01, 0.3, midi_frequency(midi), soft_bell, 1);
  normalise(t, 0.6);
  return {number, bits, mono_clip(t)};
}

SoundFile click() {
  Track t = silence(0.04);
  add_note(t, 0, 0.004, 1800, Voice{{1.0, 0.3}, 0.0005, 0.004, 0.02}, 1);
  Track tick = band_noise(0.03, [](double) { return 4000.0; }, 1.0, 7);
  shape(tick, [](double time) { return std::min(1.0, time / 0.0005) * std::exp(-time / 0.004); });
  mix_into(t, tick, 0, 0.6);
  fade(t, 0.0005, 0.01);
  normalise(t, 0.6);
  return {sound_number::click, 16, mono_clip(t)};
}

// A falling "uh-oh" in a mellow, slightly buzzy low voice.
SoundFile refused() {
  const Voice low_voice{{1.0, 0.5, 0.33, 0.2, 0.12}, 0.015, 0, 0.06, 0.006, 6};
  Track t = silence(0.55);
  add_note(t, 0.01, 0.14, midi_frequency(57), low_voice, 1);
  add_note(t, 0.2, 0.24, midi_frequency(53), low_voice, 1);
  low_pass(t, 1200);
  normalise(t, 0.75);
  return {sound_number::refused, 8, mono_clip(t)};
}

// A quick rising major arpeggio that spreads from left to right.
SoundFile done() {
  std::vector<Track> notes;
  const double midi[] = {84, 88, 91, 96};
  for (int i = 0; i < 4; ++i) {
    notes.push_back(silence(0.7));
    add_note(notes.back(), 0.06 * i, 0.12, midi_frequency(midi[i]), Voice{{1.0, 0.3, 0.1}, 0.003, 0.35, 0.2}, 1);
  }
  Clip clip = stereo_clip({{&notes[0], -0.5}, {&notes[1], -0.15}, {&notes[2], 0.15}, {&notes[3], 0.5}});
  normalise(clip, 0.6);
  return {sound_number::done, 16, clip};
}

// Noise whose band sweeps upwards, swelling and fading as a page slides across.
SoundFile page_turn() {
  const double length = 0.42;
  Track swish = band_noise(length, [&](double time) { return 500 * std::pow(8.0, time / length); }, 0.5, 11);
  shape(swish, [&](double time) {
    const double rise = std::min(1.0, time / 0.09);
    const double fall = std::max(0.0, 1 - (time - 0.09) / (length - 0.09));
    return std::sin(rise * std::numbers::pi / 2) * fall * fall;
  });
  Track left = swish, right = swish;
  shape(left, [&](double time) { return std::cos(time / length * std::numbers::pi / 2); });
  shape(right, [&](double time) { return std::sin(time / length * std::numbers::pi / 2); });
  Clip clip = stereo_clip({{&left, -1}, {&right, 1}});
  normalise(clip, 0.45);
  return {sound_number::page_turn, 16, clip};
}

SoundFile birds() {
  Track t = silence(2.4);
  struct Chirp {
    double start, length, f0, f1;
  };
  const Chirp chirps[] = {{0.05, 0.07, 2800, 4200}, {0.16, 0.07, 2800, 4300}, {0.45, 0.18, 5000, 3000},
                          {0.9, 0.035, 3600, 3700},  {0.94, 0.035, 3200, 3300}, {0.98, 0.035, 3600, 3700},
                          {1.02, 0.035, 3200, 3300}, {1.06, 0.035, 3600, 3700}, {1.35, 0.09, 2200, 3100},
                          {1.5, 0.09, 2200, 3200},   {1.8, 0.2, 4600, 2800},   {2.1, 0.07, 3000, 4400}};
  for (const Chirp& c : chirps) add_glide(t, c.start, c.length, c.f0, c.f1, {1.0, 0.1}, 1, 0.01, 0.02);
  add_echo(t, 0.11, 0.15, false);
  fade(t, 0.01, 0.05);
  normalise(t, 0.6);
  return {sound_number::birds, 16, mono_clip(t)};
}

SoundFile sparkle() {
  Noise random(302);
  const int pentatonic[] = {96, 98, 100, 103, 105, 108, 110, 112};
  std::vector<Track> parts(3, silence(1.9));
  add_glide(parts[1], 0, 1.2, 800, 2400, {1.0}, 0.15, 0.3, 0.5);
  double start = 0.02;
  for (int i = 0; i < 14; ++i) {
    const int step = std::min(7, i / 2 + static_cast<int>(random.uniform() * 2));
    add_note(parts[i % 2 == 0 ? 0 : 2], start, 0.05, midi_frequency(pentatonic[step]), tinkle,
             0.5 + 0.5 * random.uniform());
    start += 0.05 + 0.07 * random.uniform();
  }
  Clip clip = stereo_clip({{&parts[0], -0.6}, {&parts[1], 0}, {&parts[2], 0.6}});
  normalise(clip, 0.55);
  return {sound_number::sparkle, 16, clip};
}

// A croak: a buzzy pulse at a low pitch, its partials shaped by two mouth resonances and
// chopped into a rattle.
void add_croak(Track& t, double start, double length, double f0) {
  const auto first = static_cast<std::size_t>(start * demo_sample_rate);
  const auto count = static_cast<std::size_t>(length * demo_sample_rate);
  double phase = 0;
  for (std::size_t i = 0; i < count && first + i < t.size(); ++i) {
    const double time = static_cast<double>(i) / demo_sample_rate;
    const double f = f0 * (1 - 0.18 * time / length);
    phase += two_pi * f / demo_sample_rate;
    double sample = 0;
    for (int k = 1; k * f < 4000; ++k) {
      const double fk = k * f;
      const double formant =
          std::exp(-std::pow((fk - 650) / 250, 2)) + 0.6 * std::exp(-std::pow((fk - 1300) / 350, 2)) + 0.1;
      sample += formant / k * std::sin(k * phase);
    }
    const double rattle = std::pow(0.5 + 0.5 * std::sin(two_pi * 26 * time), 2);
    const double envelope = std::min(1.0, time / 0.02) * std::min(1.0, (length - time) / 0.08);
    t[first + i] += sample * (0.35 + 0.65 * rattle) * envelope;
  }
}

SoundFile frog() {
  Track t = silence(1.2);
  add_croak(t, 0.05, 0.3, 118);
  add_croak(t, 0.55, 0.34, 110);
  fade(t, 0.005, 0.1);
  normalise(t, 0.8);
  return {sound_number::frog, 8, mono_clip(t)};
}

SoundFile owl() {
  Track t = silence(2.2);
  struct Hoot {
    double start, length, f0, f1;
  };
  for (const Hoot& h : {Hoot{0.05, 0.45, 400, 370}, Hoot{0.9, 0.15, 395, 380}, Hoot{1.1, 0.62, 425, 360}}) {
    add_glide(t, h.start, h.length, h.f0, h.f1, {1.0, 0.15, 0.05}, 1, 0.08, 0.2);
    Track breath = band_noise(h.length, [&](double) { return h.f0; }, 0.3, 304);
    fade(breath, 0.08, 0.2);
    mix_into(t, breath, h.start, 0.6);
  }
  low_pass(t, 2000);
  add_echo(t, 0.25, 0.2, false);
  fade(t, 0.01, 0.1);
  normalise(t, 0.7);
  return {sound_number::owl, 16, mono_clip(t)};
}

SoundFile rain() {
  const double length = 3.0;
  Track left = band_noise(length, [](double) { return 1500.0; }, 1.5, 51);
  Track right = band_noise(length, [](double) { return 1400.0; }, 1.5, 52);
  normalise(left, 0.25);
  normalise(right, 0.25);
  Noise random(305);
  for (int i = 0; i < 120; ++i) {
    const double start = random.uniform() * (length - 0.05);
    const double f0 = 1500 + 2000 * random.uniform();
    add_glide(random.uniform() < 0.5 ? left : right, start, 0.03, f0, f0 * 0.7, {1.0}, 0.2 + 0.3 * random.uniform(),
              0.001, 0.025);
  }
  fade(left, 0.4, 0.6);
  fade(right, 0.4, 0.6);
  Clip clip = stereo_clip({{&left, -1}, {&right, 1}});
  normalise(clip, 0.7);
  return {sound_number::rain, 8, clip};
}

SoundFile rainbow_harp() {
  const int scale[] = {0, 2, 4, 7, 9};
  Track low = silence(2.2), high = silence(2.2);
  for (int i = 0; i <= 10; ++i) {
    const double midi = 72 + 12 * (i / 5) + scale[i % 5];
    add_note(i < 5 ? low : high, 0.02 + 0.07 * i, 0.1, midi_frequency(midi), harp, 1);
  }
  add_note(high, 0.95, 0.6, midi_frequency(96), harp, 0.8);
  Clip clip = stereo_clip({{&low, -0.6}, {&high, 0.6}});
  normalise(clip, 0.6);
  return {sound_number::rainbow_harp, 16, clip};
}

SoundFile fly_up() {
  Track whistle = silence(2.0), sparks = silence(2.0);
  add_glide(whistle, 0.02, 1.4, 380, 1500, {1.0, 0.2}, 0.6, 0.2, 0.4);
  Track air = band_noise(1.5, [](double time) { return 300 * std::pow(10.0, time / 1.5); }, 0.7, 307);
  fade(air, 0.3, 0.5);
  mix_into(whistle, air, 0, 0.5);
  const int notes[] = {96, 100, 103, 108, 112};
  for (int i = 0; i < 5; ++i) add_note(sparks, 1.1 + 0.09 * i, 0.05, midi_frequency(notes[i]), tinkle, 0.6);
  Clip clip = stereo_clip({{&whistle, -0.2}, {&sparks, 0.4}});
  normalise(clip, 0.6);
  return {sound_number::fly_up, 16, clip};
}

SoundFile crickets() {
  Track t = silence(2.6);
  const Voice pulse{{1.0}, 0.003, 0, 0.008};
  Noise random(308);
  for (double chirp = 0.05; chirp < 2.3; chirp += 0.42 + 0.06 * random.uniform())
    for (int p = 0; p < 3; ++p) add_note(t, chirp + 0.03 * p, 0.012, 4400, pulse, 1);
  for (double chirp = 0.25; chirp < 2.3; chirp += 0.55)
    for (int p = 0; p < 4; ++p) add_note(t, chirp + 0.028 * p, 0.01, 3900, pulse, 0.45);
  fade(t, 0.3, 0.5);
  normalise(t, 0.5);
  return {sound_number::crickets, 8, mono_clip(t)};
}

}  // namespace

std::vector<SoundFile> effect_sounds() {
  return {soft_tone(sound_number::soft_tone_low, 72, 8), soft_tone(sound_number::soft_tone_middle, 76, 8),
          soft_tone(sound_number::soft_tone_high, 79, 16), click(), refused(), done(), page_turn()};
}

std::vector<SoundFile> page_wave_sounds() {
  return {birds(), sparkle(), frog(), owl(), rain(), rainbow_harp(), fly_up(), crickets()};
}

}  // namespace demo
