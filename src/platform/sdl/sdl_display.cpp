// The display seam on a real screen: the window is an SDL window, the display object and its
// mode are bookkeeping (the frame is scaled onto the desktop's own mode), and every present
// goes to the screen's throttled presenter.
#include <SDL.h>

#include <cstdio>

#include "platform/display/display.h"
#include "platform/display/display_backend.h"
#include "platform/messages/message_backend.h"
#include "platform/sdl/sdl_player.h"
#include "platform/sdl/sdl_screen.h"
#include "platform/text/windows_1252.h"

namespace platform {

// One window; SDL's own lives in the screen.
struct Window {};

namespace {

sdl::PlayerOptions options;
bool window_refused = false;
Window* the_window = nullptr;

}  // namespace

namespace sdl {

void set_player_options(const PlayerOptions& player_options) { options = player_options; }

bool window_was_refused() { return window_refused; }

void close_player() {
  if (the_window) {
    notify_window_destroyed(the_window);
    delete the_window;
    the_window = nullptr;
  }
  close_screen();
  SDL_Quit();
}

}  // namespace sdl

Window* create_window() {
  if (the_window || !sdl::open_screen(!options.start_in_window)) {
    window_refused = the_window == nullptr;
    return nullptr;
  }
  the_window = new Window;
  notify_window_created(the_window);
  return the_window;
}

void destroy_window(Window*& window) {
  if (window == nullptr) return;
  Window* going = window;
  window = nullptr;
  notify_window_destroyed(going);  // sends WM_DESTROY before the window is gone
  if (going == the_window) {
    the_window = nullptr;
    sdl::close_screen();
  }
  delete going;
}

void message_box(const std::string& caption, const std::string& text) {
  const std::string title = utf8_of_windows_1252(caption);
  const std::string message = utf8_of_windows_1252(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), message.c_str(), nullptr) != 0)
    std::fprintf(stderr, "[%s] %s\n", title.c_str(), message.c_str());
}

bool backend_open_display() { return sdl::screen_open(); }

void backend_close_display() { sdl::hide_screen(); }

bool backend_enter_exclusive(Window&) { return sdl::screen_open(); }

void backend_leave_exclusive() {}

// Any depth can be shown: the frame's texture takes the surfaces' format.
bool backend_accept_mode(int) { return sdl::screen_open(); }

void backend_restore_mode() {}

bool backend_grant_surface(SurfaceRole) { return true; }

bool backend_grant_text_context(const Surface&) { return true; }

void backend_present(const Surface& primary) { sdl::present(primary); }

}  // namespace platform
