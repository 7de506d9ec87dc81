#include "demo/melody.h"

#include <cstdlib>
#include <string>

namespace demo {

namespace {

// Semitones above C of each letter A..G.
constexpr int letter_steps[7] = {9, 11, 0, 2, 4, 5, 7};

int pitch_class(std::string_view name, std::size_t& used) {
  int step = letter_steps[name[0] - 'A'];
  used = 1;
  if (name.size() > 1 && name[1] == '#') {
    ++step;
    used = 2;
  } else if (name.size() > 1 && name[1] == 'b') {
    --step;
    used = 2;
  }
  return step;
}

}  // namespace

std::vector<Note> parse_melody(std::string_view text) {
  std::vector<Note> notes;
  double beat = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '|')) ++i;
    if (i >= text.size()) break;
    const std::size_t end = std::min(text.find(' ', i), text.size());
    const std::string_view token = text.substr(i, end - i);
    i = end;
    const std::size_t colon = token.find(':');
    const std::string_view name = token.substr(0, colon);
    const double beats = std::strtod(std::string(token.substr(colon + 1)).c_str(), nullptr);
    double midi = 0;
    if (name != "r") {
      std::size_t used = 0;
      const int step = pitch_class(name, used);
      const int octave = std::atoi(std::string(name.substr(used)).c_str());
      midi = 12 * (octave + 1) + step;
    }
    notes.push_back({beat, beats, midi});
    beat += beats;
  }
  return notes;
}

std::vector<double> chord_notes(std::string_view name, int octave) {
  std::size_t used = 0;
  const double root = 12 * (octave + 1) + pitch_class(name, used);
  const std::string_view quality = name.substr(used);
  const double third = quality.starts_with("m") ? 3 : 4;
  std::vector<double> notes{root, root + third, root + 7};
  if (quality.ends_with("7")) notes.push_back(root + 10);
  return notes;
}

void play_melody(Track& t, const std::vector<Note>& notes, Tempo tempo, const Voice& voice, double gain,
                 double articulation, bool wrap) {
  for (const Note& n : notes)
    if (n.midi > 0)
      add_note(t, tempo.seconds(n.beat), tempo.seconds(n.beats) * articulation, midi_frequency(n.midi), voice,
               gain, wrap);
}

}  // namespace demo
