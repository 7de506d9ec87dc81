#pragma once
// Tunes written as text ("E5:1 G5:.5 r:1 | ..."), placed on tracks at a tempo.
#include <string_view>
#include <vector>

#include "demo/synth.h"

namespace demo {

struct Note {
  double beat = 0;    // start, counted from 0
  double beats = 0;   // length
  double midi = 0;    // 0 for a rest
};

// Space-separated NAME:BEATS tokens played one after the other; NAME is a letter, an optional
// '#' or 'b' and an octave (C4 = 60), or 'r' for a rest. '|' marks bars and is skipped.
std::vector<Note> parse_melody(std::string_view text);

// A chord as MIDI notes, from its name and octave: "G", "Em", "F#m", "Bb", "C7".
std::vector<double> chord_notes(std::string_view name, int octave);

struct Tempo {
  double beats_per_minute = 120;
  double seconds(double beats) const { return beats * 60 / beats_per_minute; }
};

// Plays each note for `articulation` of its length (1 = legato, less = detached).
void play_melody(Track& t, const std::vector<Note>& notes, Tempo tempo, const Voice& voice, double gain,
                 double articulation, bool wrap);

}  // namespace demo
