#pragma once
// Whether the desktop draws OpenGL on a graphics processor. Where it does not (a virtual X
// server, a machine without a graphics driver) OpenGL is a software rasteriser that takes most
// of a second to start and draws a frame slower than SDL's own software drawing does.
#include <SDL.h>

namespace platform::sdl {

// False only when the window's X server offers no direct rendering (neither DRI3 nor DRI2);
// true when it does or when it cannot be told (another kind of desktop).
bool direct_rendering_likely(SDL_Window* window);

}  // namespace platform::sdl
