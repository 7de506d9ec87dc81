#pragma once
// A page's own sound: played once on channel 4 the first time the page is shown in a pass.
#include <cstdint>

// Plays sound `number` as the current page's wave, when its file exists, and marks the page's
// wave played (also without a sound device).
void play_page_wave(std::int32_t number);

// The last step of every page display: stops a page wave still flagged as sounding, then plays
// the current page's wave if this pass has not played it yet.
void page_wave_step();
