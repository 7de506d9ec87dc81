#pragma once
// The page's side of the web backend: functions of web_library.js the C++ side calls. Names
// and arguments must match that file. Internal to the web backend.
#include <cstdint>

extern "C" {

// Milliseconds of the page's monotonic clock.
double rozeva_js_now();

// Yields to the browser until the page wakes the program (input arrived) or `timeout_ms` passed;
// a negative timeout waits for input alone. Suspends the program (ASYNCIFY).
void rozeva_js_wait(double timeout_ms);
// Yields to the browser until rozeva_js_now() reaches `deadline_ms`. Suspends the program.
void rozeva_js_sleep_until(double deadline_ms);

// A new frame is ready; the page paints it at its next display refresh.
void rozeva_js_frame_ready();

// Shows a message until the reader acknowledges it (at once while a script runs). UTF-8 texts.
// Suspends the program.
void rozeva_js_message_box(const char* caption, const char* text);

// Opens the page's audio output pulling from rozeva_web_mix; its rate in frames per second, or
// 0 when the browser refuses audio.
int rozeva_js_open_audio();
void rozeva_js_close_audio();

// A script's `shot NAME`: the canvas as it is now, kept for whoever drives the page.
void rozeva_js_shot(const char* name);

// A file of the book was replaced (a save): the page keeps it in the browser's storage.
void rozeva_js_file_saved(const char* path);

// The program ended with this exit code.
void rozeva_js_ended(int exit_code);

}
