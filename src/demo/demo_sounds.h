#pragma once
// Every sound of the demo book, made by code: the preloaded tones, the effects, the title
// music, the two back-sound melodies and the page waves, each with the sample format it is
// written in (the book mixes 8- and 16-bit, mono and stereo files on purpose).
#include <vector>

#include "demo/file_formats.h"

namespace demo {

namespace sound_number {
inline constexpr int soft_tone_low = 1;
inline constexpr int soft_tone_middle = 2;
inline constexpr int soft_tone_high = 3;
inline constexpr int click = 4;
inline constexpr int refused = 5;
inline constexpr int done = 6;
inline constexpr int page_turn = 7;
inline constexpr int title_music = 100;
inline constexpr int wander_song = 201;
inline constexpr int lullaby = 202;
inline constexpr int birds = 301;
inline constexpr int sparkle = 302;
inline constexpr int frog = 303;
inline constexpr int owl = 304;
inline constexpr int rain = 305;
inline constexpr int rainbow_harp = 306;
inline constexpr int fly_up = 307;
inline constexpr int crickets = 308;
}  // namespace sound_number

struct SoundFile {
  int number = 0;
  int bits_per_sample = 16;
  Clip clip;
};

// Sounds 1 to 7: three soft tones, click, "no", "done", page-turn swish.
std::vector<SoundFile> effect_sounds();
// The title music and the two back-sound melodies; each loops without a seam.
std::vector<SoundFile> music_sounds();
// The sounds the pages play once.
std::vector<SoundFile> page_wave_sounds();

}  // namespace demo
