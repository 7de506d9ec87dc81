#pragma once
// The real mouse as the program's relative two-button device. Full screen: the pointer is the
// program's alone, and raw counts go to the device. A window: the program's pointer follows
// the system pointer, which may leave the window.
#include <SDL.h>

namespace platform::sdl {

void pointer_moved(const SDL_MouseMotionEvent& motion);
void button_changed(const SDL_MouseButtonEvent& button);
void wheel_turned(const SDL_MouseWheelEvent& wheel);
// The pointer left the window: the system pointer shows again.
void pointer_left_window();

// Switches between full screen and a window, keeping the program's pointer where it is.
void toggle_full_screen();

}  // namespace platform::sdl
