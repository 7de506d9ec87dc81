#pragma once
// The music channel's rules: the title music, the reader's music switch, page back sounds and
// the eight volume steps. The music's sound number is config.title_music.

// Starts the configured title music looping when its file exists; else the music stays off.
void start_title_music();

// The reader's music switch: off stops channel 1; on loads title_music (a channel that still
// holds it resumes where it stopped) and loops it.
void toggle_title_music();

// While the music is on, a page's back sound that differs from the music and exists replaces
// it, from its beginning.
void follow_back_sound();

// One volume step up (toward level 1, 0 dB) or down (toward level 8, -21 dB).
void music_louder();
void music_quieter();
