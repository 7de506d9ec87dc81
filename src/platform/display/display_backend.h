#pragma once
// What a backend supplies under the shared display code, besides create_window,
// destroy_window and message_box (display.h) and the clock (clock/clock.h). Exactly one
// backend is linked into an executable; CMake chooses it. The surfaces, the copies and
// the flip chain are shared code and never reach past these calls.
#include "platform/display/surface.h"

namespace platform {

struct Window;

// What a surface is for, so a backend can refuse the kinds it has no memory for.
enum class SurfaceRole { primary, back_buffer, offscreen };

// Opens the display device for a new display object; false when there is none.
bool backend_open_display();
// Closes the display device; the mode and exclusive mode have been given back before.
void backend_close_display();

// Takes the display for the window alone; false when the system refuses.
bool backend_enter_exclusive(Window& window);
void backend_leave_exclusive();

// Shows screen_width x screen_height at `bits` (32 or 16); false when it cannot.
bool backend_accept_mode(int bits);
// Gives back the mode the display had before the first accepted mode.
void backend_restore_mode();

// Whether a new surface of this role may be had; false reads as "out of memory".
bool backend_grant_surface(SurfaceRole role);
// Whether text can be drawn on the surface now (a device context can be had).
bool backend_grant_text_context(const Surface& surface);

// Shows the primary surface's pixels on the display.
void backend_present(const Surface& primary);

}  // namespace platform
