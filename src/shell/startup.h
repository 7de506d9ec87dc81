#pragma once
// Start-up and shutdown of the window, the mouse, the display, its surfaces and the fonts.

// True when everything was created; false after a failure, which has then been reported
// (except a failed window) and cleaned up.
bool startup();

// Releases everything that exists, in the order sound, mouse, display, fonts. Safe to run
// twice and on a partly built screen context.
void shutdown();

// The start-up error texts, Windows-1252, indexed by the screen context's startup_error.
extern const char* const startup_error_texts[9];
