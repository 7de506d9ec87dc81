#include "platform/input/mouse_backend.h"
#include "platform/sdl/sdl_screen.h"

namespace platform {

// The mouse comes with the window.
bool backend_grant_mouse() { return sdl::screen_open(); }

}  // namespace platform
