#pragma once
// The display start-up seam: the window, the display object, exclusive mode and the
// display mode, in the order start-up calls them. Every operation can be refused; a
// refused one changes nothing and returns false or null, and the caller decides what to
// report. Handles live in the program's slots: null means empty, a release clears it.
#include <string>

namespace platform {

// The program's only window. Its contents belong to the backend.
struct Window;
// The display object: proof that the program holds the display.
struct DisplayObject;

// Window and message box are supplied by the backend (headless/, sdl/).

// Creates the full-screen window; null when the system gives none.
Window* create_window();
// Destroys the window in the slot (if any) and clears the slot.
void destroy_window(Window*& window);

// Shows a modal message. Caption and text are Windows-1252 bytes, as the program keeps
// its texts. Returns when the user has acknowledged it (at once on the headless backend).
void message_box(const std::string& caption, const std::string& text);

// The display object, shared code over the backend.

// Takes the display. Null when there is no display or another object already holds it.
DisplayObject* create_display_object();
// Gives the display back: restores the display mode, leaves exclusive mode, clears the
// slot. Surfaces created through the object are not released by this.
void release_display_object(DisplayObject*& display);

// Takes the display for `window` alone, full screen. Refused without a display object or
// a window.
bool set_exclusive_mode(Window* window);

// Depths the surfaces can take: 32 bits -> xrgb8888, 16 bits -> rgb565.
inline constexpr int mode_bits_32 = 32;
inline constexpr int mode_bits_16 = 16;

// Switches the display to width x height at `bits` per pixel. Refused without exclusive
// mode, for any size but screen_width x screen_height (the flip chain is that size), for
// a depth other than 32 or 16, and for a depth the display cannot show. On success the
// depth decides the format of every surface created afterwards.
bool set_display_mode(int width, int height, int bits);

// Restores the display mode the display had before and leaves exclusive mode. Harmless
// when neither was taken. Surfaces created afterwards are xrgb8888 again.
void restore_display_mode();

}  // namespace platform
