// The building blocks of the demo's sounds: tunes written as text, notes that wrap around a
// loop, filters that stay stable, fades that start and end in silence.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "demo/melody.h"
#include "demo/synth.h"

namespace {

using demo::Track;

double loudest(const Track& t, std::size_t from, std::size_t to) {
  double peak = 0;
  for (std::size_t i = from; i < to && i < t.size(); ++i) peak = std::max(peak, std::abs(t[i]));
  return peak;
}

std::size_t frame(double seconds) { return static_cast<std::size_t>(seconds * demo::demo_sample_rate); }

TEST(DemoMelody, NotesFollowEachOtherWithSharpsFlatsAndRests) {
  const auto notes = demo::parse_melody("C4:1 D#4:.5 | Bb3:2 r:1 A4:1");
  ASSERT_EQ(notes.size(), 5u);
  const double midi[] = {60, 63, 58, 0, 69};
  const double start[] = {0, 1, 1.5, 3.5, 4.5};
  for (std::size_t i = 0; i < notes.size(); ++i) {
    EXPECT_EQ(notes[i].midi, midi[i]) << i;
    EXPECT_DOUBLE_EQ(notes[i].beat, start[i]) << i;
  }
  EXPECT_DOUBLE_EQ(notes[2].beats, 2);
}

TEST(DemoMelody, ChordsAreMajorMinorOrSeventh) {
  EXPECT_EQ(demo::chord_notes("C", 4), (std::vector<double>{60, 64, 67}));
  EXPECT_EQ(demo::chord_notes("Em", 4), (std::vector<double>{64, 67, 71}));
  EXPECT_EQ(demo::chord_notes("F#m", 3), (std::vector<double>{54, 57, 61}));
  EXPECT_EQ(demo::chord_notes("G7", 2), (std::vector<double>{43, 47, 50, 53}));
  EXPECT_DOUBLE_EQ(demo::midi_frequency(69), 440);
  EXPECT_NEAR(demo::midi_frequency(60), 261.63, 0.01);
}

TEST(DemoSynth, ANoteRingingPastALoopsEndContinuesAtItsStart) {
  const demo::Voice voice{{1.0}, 0.005, 0, 0.05};
  Track looped = demo::silence(1.0), cut = demo::silence(1.0);
  demo::add_note(looped, 0.9, 0.3, 440, voice, 1, true);
  demo::add_note(cut, 0.9, 0.3, 440, voice, 1, false);
  EXPECT_GT(loudest(looped, 0, frame(0.15)), 0.5);
  EXPECT_EQ(loudest(cut, 0, frame(0.15)), 0);
  EXPECT_GT(loudest(cut, frame(0.92), frame(1.0)), 0.5);
}

TEST(DemoSynth, ANoteStartsAndEndsWithoutAClick) {
  Track t = demo::silence(0.5);
  demo::add_note(t, 0.1, 0.2, 440, demo::Voice{{1.0, 0.5}, 0.01, 0.3, 0.05}, 1);
  EXPECT_LT(std::abs(t[frame(0.1) + 1]), 0.01);
  EXPECT_EQ(loudest(t, frame(0.36), t.size()), 0);
  EXPECT_GT(loudest(t, frame(0.12), frame(0.2)), 0.3);
}

TEST(DemoSynth, BandNoiseStaysStableUpToTheTopOfTheRange) {
  for (double centre : {200.0, 4000.0, 9000.0}) {
    const Track t = demo::band_noise(0.5, [&](double) { return centre; }, 0.3, 5);
    EXPECT_LT(loudest(t, 0, t.size()), 4.0) << centre;
    EXPECT_GT(loudest(t, 0, t.size()), 0.01) << centre;
  }
}

TEST(DemoSynth, FadesReachSilenceAtBothEnds) {
  Track t(frame(0.2), 0.8);
  demo::fade(t, 0.05, 0.05);
  EXPECT_EQ(t.front(), 0);
  EXPECT_LT(t.back(), 0.001);
  EXPECT_DOUBLE_EQ(t[frame(0.1)], 0.8);
}

TEST(DemoSynth, EchoesOfALoopsEndSoundAtItsStart) {
  Track looped = demo::silence(1.0);
  looped[frame(0.95)] = 1;
  Track cut = looped;
  demo::add_echo(looped, 0.1, 0.5, true);
  demo::add_echo(cut, 0.1, 0.5, false);
  // Around the loop the impulse also meets its own echoes again, a thousandth or so.
  EXPECT_NEAR(looped[frame(0.95) + frame(0.1) - looped.size()], 0.5, 0.002);
  EXPECT_NEAR(looped[frame(0.95) + frame(0.2) - looped.size()], 0.25, 0.002);
  EXPECT_EQ(loudest(cut, 0, frame(0.9)), 0);
}

TEST(DemoSynth, PanningKeepsPowerAndNormalisingSetsThePeak) {
  const Track t(4, 1.0);
  demo::Clip clip = demo::stereo_clip({{&t, -1}, {&t, 1}, {&t, 0}});
  ASSERT_EQ(clip.channels, 2);
  ASSERT_EQ(clip.frames(), 4u);
  EXPECT_NEAR(clip.samples[0], 1 + std::sqrt(0.5), 1e-9);
  EXPECT_NEAR(clip.samples[1], 1 + std::sqrt(0.5), 1e-9);
  demo::normalise(clip, 0.5);
  EXPECT_NEAR(*std::max_element(clip.samples.begin(), clip.samples.end()), 0.5, 1e-12);
}

}  // namespace
