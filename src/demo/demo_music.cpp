// The three looping pieces: the title music, a cheerful walking song for the day pages and a
// music-box lullaby for the night. Every note that rings past the end wraps to the start, so
// the loops join without a seam.
#include <string_view>

#include "demo/demo_sounds.h"
#include "demo/melody.h"

namespace demo {

namespace {

const Voice music_box{{1.0, 0.35, 0.22, 0.06, 0.08}, 0.003, 0.9, 0.08};
const Voice soft_pluck{{1.0, 0.45, 0.2, 0.08}, 0.006, 0.35, 0.06};
const Voice round_bass{{1.0, 0.4, 0.12}, 0.01, 0.8, 0.08};
const Voice flute{{1.0, 0.22, 0.07, 0.03}, 0.035, 0, 0.07, 0.004, 5.5};
const Voice warm_pad{{1.0, 0.3, 0.12}, 0.4, 0, 0.5, 0.002, 4};

// Broken chords under a melody: `pattern` lists chord-tone indices per step (3 = the root an
// octave up), `steps_per_bar` of them in every bar.
void play_arpeggio(Track& t, const std::vector<std::string_view>& chords, Tempo tempo, int beats_per_bar,
                   std::vector<int> pattern, int octave, const Voice& voice, double gain) {
  const double step_beats = static_cast<double>(beats_per_bar) / static_cast<double>(pattern.size());
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const std::vector<double> notes = chord_notes(chords[bar], octave);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
      const int tone = pattern[i];
      const double midi = tone >= 3 ? notes[0] + 12 : notes[static_cast<std::size_t>(tone)];
      const double beat = static_cast<double>(bar * static_cast<std::size_t>(beats_per_bar)) + i * step_beats;
      add_note(t, tempo.seconds(beat), tempo.seconds(step_beats) * 0.9, midi_frequency(midi), voice, gain, true);
    }
  }
}

// Light off-beat taps of high noise that keep a walking song moving.
Track shaker(double seconds, Tempo tempo) {
  Track t = silence(seconds);
  for (double beat = 0.5; tempo.seconds(beat) < seconds; beat += 1) {
    Track tap = band_noise(0.05, [](double) { return 7000.0; }, 0.6, static_cast<std::uint32_t>(beat * 10 + 3));
    fade(tap, 0.002, 0.045);
    mix_into(t, tap, tempo.seconds(beat), 1);
  }
  return t;
}

SoundFile title_music() {
  const Tempo tempo{112};
  const std::vector<std::string_view> chords{"C", "F", "Am", "G7"};
  Track melody = silence(tempo.seconds(16));
  Track accompaniment = silence(tempo.seconds(16));
  Track bass = silence(tempo.seconds(16));
  play_melody(melody,
              parse_melody("E5:1 G5:.5 A5:.5 G5:1 E5:1 | F5:1 A5:.5 G5:.5 F5:1 D5:1 | "
                           "E5:.5 F5:.5 G5:1 C6:1 B5:.5 A5:.5 | G5:1.5 E5:.5 D5:1 C5:1"),
              tempo, music_box, 0.5, 1, true);
  add_echo(melody, tempo.seconds(0.75), 0.25, true);
  play_arpeggio(accompaniment, chords, tempo, 4, {0, 1, 2, 1, 3, 2, 1, 2}, 4, soft_pluck, 0.16);
  play_melody(bass, parse_melody("C3:2 G2:2 | F2:2 C3:2 | A2:2 E2:2 | G2:2 B2:1 D3:1"), tempo, round_bass, 0.45,
              0.95, true);
  normalise(melody, 0.5);
  normalise(accompaniment, 0.22);
  normalise(bass, 0.4);
  Clip clip = stereo_clip({{&melody, 0.25}, {&accompaniment, -0.45}, {&bass, 0}});
  normalise(clip, 0.7);
  return {sound_number::title_music, 16, clip};
}

SoundFile wander_song() {
  const Tempo tempo{138};
  const std::vector<std::string_view> chords{"G", "C", "D", "G", "Em", "C", "D", "G"};
  const double length = tempo.seconds(32);
  Track melody = silence(length);
  Track chords_track = silence(length);
  Track bass = silence(length);
  play_melody(melody,
              parse_melody("D5:.5 G5:.5 B5:1 A5:.5 G5:.5 A5:1 | E5:1 G5:.5 E5:.5 C5:1 E5:1 | "
                           "D5:.5 F#5:.5 A5:1 F#5:.5 A5:.5 D6:1 | B5:1.5 A5:.5 G5:2 | "
                           "B5:.5 A5:.5 G5:1 E5:1 G5:1 | C6:1 B5:.5 A5:.5 G5:1 E5:1 | "
                           "D5:.5 E5:.5 F#5:1 A5:1 F#5:1 | G5:1.5 D5:.5 B4:1 r:1"),
              tempo, flute, 0.45, 0.82, true);
  add_echo(melody, tempo.seconds(0.5), 0.18, true);
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const std::vector<double> low = chord_notes(chords[bar], 2);
    const std::vector<double> high = chord_notes(chords[bar], 4);
    const double first = static_cast<double>(bar) * 4;
    // Oom-pah: the root and the fifth below on the strong beats, the chord on the others.
    add_note(bass, tempo.seconds(first), tempo.seconds(0.9), midi_frequency(low[0]), round_bass, 0.5, true);
    add_note(bass, tempo.seconds(first + 2), tempo.seconds(0.9), midi_frequency(low[2] - 12), round_bass, 0.45, true);
    for (double beat : {1.0, 3.0})
      for (double note : high)
        add_note(chords_track, tempo.seconds(first + beat), tempo.seconds(0.4), midi_frequency(note), soft_pluck,
                 0.09, true);
  }
  Track taps = shaker(length, tempo);
  normalise(melody, 0.5);
  normalise(chords_track, 0.22);
  normalise(bass, 0.4);
  normalise(taps, 0.05);
  Clip clip = stereo_clip({{&melody, 0.1}, {&chords_track, -0.5}, {&bass, 0.15}, {&taps, 0.55}});
  normalise(clip, 0.7);
  return {sound_number::wander_song, 16, clip};
}

SoundFile lullaby() {
  const Tempo tempo{76};
  const std::vector<std::string_view> chords{"F", "C", "Dm", "Bb", "F", "C", "Bb", "F"};
  const double length = tempo.seconds(24);
  Track t = silence(length);
  play_melody(t,
              parse_melody("C6:2 A5:1 | G5:2 E5:1 | F5:1 A5:1 D6:1 | D6:2 C6:1 | A5:2 F5:1 | "
                           "G5:1 A5:.5 G5:.5 E5:1 | F5:1 D5:1 E5:1 | F5:3"),
              tempo, music_box, 0.5, 1, true);
  play_arpeggio(t, chords, tempo, 3, {0, 2, 1}, 3, soft_pluck, 0.22);
  for (std::size_t bar = 0; bar < chords.size(); ++bar)
    for (double note : chord_notes(chords[bar], 4))
      add_note(t, tempo.seconds(bar * 3.0), tempo.seconds(3) - warm_pad.release, midi_frequency(note), warm_pad,
               0.05, true);
  add_echo(t, tempo.seconds(1), 0.3, true);
  normalise(t, 0.7);
  return {sound_number::lullaby, 16, mono_clip(t)};
}

}  // namespace

std::vector<SoundFile> music_sounds() { return {title_music(), wander_song(), lullaby()}; }

}  // namespace demo
