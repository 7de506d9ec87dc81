#pragma once
// The real mouse as the program's relative two-button device. Full screen: the pointer is the
// program's alone, and raw counts go to the device. A window: the program's pointer follows
// the system pointer, which may leave the window.
#include <SDL.h>

#include <cstdint>
#include <optional>

namespace platform::sdl {

void pointer_moved(const SDL_MouseMotionEvent& motion);
void button_changed(const SDL_MouseButtonEvent& button);
void wheel_turned(const SDL_MouseWheelEvent& wheel);
// The pointer left the window: the system pointer shows again.
void pointer_left_window();

// Switches between full screen and a window, keeping the program's pointer where it is.
void toggle_full_screen();

// After a switch to a window the desktop places the window in its own time, and pointer
// events report against where the window was until then: the program's pointer waits, and
// once the window is placed (or at the latest after a moment) the system pointer is put
// where the program's pointer is.
void window_placed();
// When the wait must wake to end the waiting at the latest; none while nothing waits.
std::optional<std::int64_t> pointer_settles_us();
void settle_pointer_if_due(std::int64_t now_us);

}  // namespace platform::sdl
