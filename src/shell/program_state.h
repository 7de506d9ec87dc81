#pragma once
// Every global record of the program back to its start-up values, so that one process can
// start the program more than once (tests, benchmarks).

// Releases what a run left behind (sound, mouse, display, fonts, a window still open) and
// empties the message queue and its timers, then gives every record its start-up values:
// the page table, the configuration, the editor and view, the mouse and its objects, the
// blink, the sound, the text page and the screen context. The headless backend's own
// controls (refusals, its clock) are the caller's.
void reset_program_state();
