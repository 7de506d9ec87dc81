#pragma once
// The SDL backend's screen: one window with its renderer, full screen on the desktop's own
// mode or a resizable window, the 1024 x 768 frame letterboxed in it, and presenting at most
// once per display refresh. Internal to the SDL backend.
#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/display/surface.h"
#include "platform/geometry/letterbox.h"

namespace platform::sdl {

// Opens SDL's video, the window and its renderer, all black. False (SDL's reason on stderr)
// when there is no display to open.
bool open_screen(bool full_screen);
// Closes the window and SDL's video; harmless when nothing is open.
void close_screen();
bool screen_open();

bool full_screen();
// Full screen takes the pointer in relative mode; a window lets it come and go.
void set_full_screen(bool on);

// Where the frame lies in the window as the pointer sees it, in real pixels. The window's own
// size counts here: it is known at once after a switch, before the drawing side catches up.
Letterbox pointer_letterbox();
// A point in window coordinates (what SDL's pointer events carry) in real pixels: HiDPI
// windows have more pixels than coordinates.
FramePoint output_of_window_point(int x, int y);
// Puts the system pointer over a frame pixel (no pointer is moved in full screen).
void place_system_pointer(double frame_x, double frame_y);

// Shows `primary` now when a display refresh has passed since the last present, else at the
// next refresh (present_if_due). The surface must live until the display is given back.
void present(const Surface& primary);
// The time the held frame may be shown, if one is held.
std::optional<std::int64_t> pending_present_us();
bool present_due(std::int64_t now_us);
void present_if_due();
// The window needs its picture again (uncovered, resized).
void repaint();
// The display was given back: nothing is shown any more, and the window steps aside for
// whatever comes next (a start-up error's message box, the desktop).
void hide_screen();

// Shows the frame at once, refresh or not: what every present costs, for measurements.
void present_now(const Surface& frame);
// The window's renderer, for measurements against bare SDL; null when no window is open.
SDL_Renderer* screen_renderer();

struct PresentRecord {
  long presents = 0;
  std::int64_t first_present_us = 0;
  std::int64_t last_present_us = 0;
};
// What reached the screen so far (monotonic_us times), for measurements; safe to ask from
// another thread.
PresentRecord present_record();

}  // namespace platform::sdl
