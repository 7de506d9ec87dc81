#include "platform/sdl/sdl_gpu.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace platform::sdl {

bool direct_rendering_likely(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
  int opcode = 0, first_event = 0, first_error = 0;
  Display* display = info.info.x11.display;
  return XQueryExtension(display, "DRI3", &opcode, &first_event, &first_error) ||
         XQueryExtension(display, "DRI2", &opcode, &first_event, &first_error);
}

}  // namespace platform::sdl
