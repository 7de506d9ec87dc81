#include "platform/headless/headless_display.h"

#include <algorithm>

#include "platform/display/display.h"
#include "platform/display/display_backend.h"
#include "platform/messages/message_backend.h"

namespace platform {

// The headless window has nothing to show; it only exists or not.
struct Window {};

namespace {

struct Refusals {
  bool window = false;
  bool display_object = false;
  bool exclusive_mode = false;
  bool mode_32_bit = false;
  bool mode_16_bit = false;
  bool primary_surface = false;
  bool back_buffer = false;
  bool text_context = false;
  std::vector<int> offscreen_surfaces;
};

Refusals refusals;
headless::DisplayRecord record;
int offscreen_asked = 0;
std::function<void(const Surface&)> present_observer;

bool offscreen_refused(int nth) {
  const std::vector<int>& refused = refusals.offscreen_surfaces;
  return std::find(refused.begin(), refused.end(), nth) != refused.end();
}

}  // namespace

namespace headless {

void refuse(Refusal step) {
  switch (step) {
    case Refusal::window: refusals.window = true; break;
    case Refusal::display_object: refusals.display_object = true; break;
    case Refusal::exclusive_mode: refusals.exclusive_mode = true; break;
    case Refusal::mode_32_bit: refusals.mode_32_bit = true; break;
    case Refusal::mode_16_bit: refusals.mode_16_bit = true; break;
    case Refusal::primary_surface: refusals.primary_surface = true; break;
    case Refusal::back_buffer: refusals.back_buffer = true; break;
    case Refusal::text_context: refusals.text_context = true; break;
  }
}

void refuse_offscreen_surface(int nth) { refusals.offscreen_surfaces.push_back(nth); }

void reset_refusals() { refusals = Refusals{}; }

DisplayRecord display_record() { return record; }

void observe_presents(std::function<void(const Surface& primary)> observer) { present_observer = std::move(observer); }

}  // namespace headless

Window* create_window() {
  if (refusals.window) return nullptr;
  ++record.windows_open;
  Window* window = new Window;
  notify_window_created(window);
  return window;
}

void destroy_window(Window*& window) {
  if (window == nullptr) return;
  notify_window_destroyed(window);  // sends WM_DESTROY before the window is gone
  delete window;
  window = nullptr;
  --record.windows_open;
}

bool backend_open_display() {
  if (refusals.display_object) return false;
  record.display_open = true;
  offscreen_asked = 0;
  return true;
}

void backend_close_display() { record.display_open = false; }

bool backend_enter_exclusive(Window&) {
  if (refusals.exclusive_mode) return false;
  record.exclusive = true;
  return true;
}

void backend_leave_exclusive() { record.exclusive = false; }

bool backend_accept_mode(int bits) {
  if (bits == mode_bits_32 && refusals.mode_32_bit) return false;
  if (bits == mode_bits_16 && refusals.mode_16_bit) return false;
  record.mode_switched = true;
  record.mode_bits = bits;
  return true;
}

void backend_restore_mode() {
  record.mode_switched = false;
  record.mode_bits = 0;
}

bool backend_grant_surface(SurfaceRole role) {
  switch (role) {
    case SurfaceRole::primary: return !refusals.primary_surface;
    case SurfaceRole::back_buffer: return !refusals.back_buffer;
    case SurfaceRole::offscreen: return !offscreen_refused(++offscreen_asked);
  }
  return false;
}

bool backend_grant_text_context(const Surface&) { return !refusals.text_context; }

void backend_present(const Surface& primary) {
  ++record.presents;
  if (present_observer) present_observer(primary);
}

}  // namespace platform
