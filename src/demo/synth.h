#pragma once
// Building blocks of the demo's sounds: notes with shaped partials, sweeps, filtered noise,
// echoes and fades, on mono tracks at the demo's sample rate.
#include <cstdint>
#include <functional>
#include <vector>

#include "demo/file_formats.h"

namespace demo {

using Track = std::vector<double>;

Track silence(double seconds);
double seconds_of(const Track& t);

// Equal temperament, 69 = A4 = 440 Hz.
double midi_frequency(double note);

// A struck or blown tone. Partial k sounds at k times the frequency; its level falls by a
// factor e every decay / k seconds (0 = held), so upper partials fade first as in a real string.
struct Voice {
  std::vector<double> partials{1.0};
  double attack = 0.005;
  double decay = 0.5;
  double release = 0.05;
  double vibrato_depth = 0;  // frequency swing as a fraction of the frequency
  double vibrato_rate = 5;
};

// Adds a note starting at `start` seconds, held `length` seconds and then released. With
// `wrap` what runs past the end of the track continues at its beginning, so a loop joins.
void add_note(Track& t, double start, double length, double frequency, const Voice& voice, double gain,
              bool wrap = false);

// A tone whose frequency glides from f0 to f1 (exponentially) while it sounds, with
// `partials` as in Voice and a sine envelope of the given attack and release.
void add_glide(Track& t, double start, double length, double f0, double f1, const std::vector<double>& partials,
               double gain, double attack, double release);

// A repeatable white-noise generator.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 1) {}
  double next();  // -1..1
  double uniform();  // 0..1

 private:
  std::uint32_t state_;
};

// Noise through a resonant band-pass whose centre follows `centre(seconds)`; `width` is the
// band's relative width (about 0.1 narrow .. 2 wide).
Track band_noise(double seconds, const std::function<double(double)>& centre, double width, std::uint32_t seed);
// One-pole low-pass, in place.
void low_pass(Track& t, double cutoff);

// Multiplies by a raised-cosine fade over the first and last seconds given.
void fade(Track& t, double fade_in, double fade_out);
// Multiplies by envelope(seconds) over the whole track.
void shape(Track& t, const std::function<double(double)>& envelope);
// Adds echoes `delay` seconds apart, each `feedback` times the last; with `wrap` the echoes of
// the end ring on at the beginning (for loops).
void add_echo(Track& t, double delay, double feedback, bool wrap);
// Adds `source` into `t` from `start` seconds on, scaled by gain.
void mix_into(Track& t, const Track& source, double start, double gain);
// Scales so that the loudest sample is `peak`.
void normalise(Track& t, double peak);

Clip mono_clip(const Track& t);
// Each part placed between left (-1) and right (+1) with constant power.
struct Panned {
  const Track* track;
  double pan;
};
Clip stereo_clip(const std::vector<Panned>& parts);
// Scales every channel together so that the loudest sample is `peak`.
void normalise(Clip& c, double peak);

}  // namespace demo
