// The display seam in a page: the window is the page's canvas, the display object and its mode
// are bookkeeping (the page letterboxes the 1024 x 768 frame itself), and a present hands the
// primary surface to the page, which paints it at its next display refresh.
#include <emscripten/emscripten.h>

#include <vector>

#include "platform/display/display.h"
#include "platform/display/display_backend.h"
#include "platform/messages/message_backend.h"
#include "platform/text/windows_1252.h"
#include "platform/web/web_bridge.h"

namespace platform {

// The canvas; one page has one.
struct Window {};

namespace {

Window* the_window = nullptr;
// The frame waiting for the page's next paint, and the page's copy of it in canvas order.
const Surface* pending = nullptr;
std::vector<std::uint32_t> canvas_pixels;

constexpr std::uint32_t opaque = 0xFF000000;

// The canvas takes bytes R, G, B, A: as a little-endian word, A B G R.
std::uint32_t canvas_pixel(std::uint32_t xrgb) {
  return opaque | (xrgb & 0xFF) << 16 | (xrgb & 0xFF00) | (xrgb >> 16 & 0xFF);
}

void convert(const Surface& frame) {
  canvas_pixels.resize(static_cast<std::size_t>(screen_width) * screen_height);
  std::uint32_t* out = canvas_pixels.data();
  for (int y = 0; y < screen_height; ++y, out += screen_width) {
    if (frame.format == PixelFormat::xrgb8888) {
      const auto* in = reinterpret_cast<const std::uint32_t*>(frame.row(y));
      for (int x = 0; x < screen_width; ++x) out[x] = canvas_pixel(in[x]);
    } else {
      for (int x = 0; x < screen_width; ++x) {
        const Rgb c = read_pixel(frame, x, y);
        out[x] = canvas_pixel(pack_pixel(PixelFormat::xrgb8888, c.r, c.g, c.b));
      }
    }
  }
}

}  // namespace

Window* create_window() {
  if (the_window) return nullptr;
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
    pending = nullptr;
  }
  delete going;
}

void message_box(const std::string& caption, const std::string& text) {
  rozeva_js_message_box(utf8_of_windows_1252(caption).c_str(), utf8_of_windows_1252(text).c_str());
}

bool backend_open_display() { return the_window != nullptr; }

void backend_close_display() { pending = nullptr; }

bool backend_enter_exclusive(Window&) { return true; }

void backend_leave_exclusive() {}

// The canvas shows 32-bit frames; a 16-bit mode is refused as a display without it refuses.
bool backend_accept_mode(int bits) { return bits == mode_bits_32; }

void backend_restore_mode() {}

bool backend_grant_surface(SurfaceRole) { return true; }

bool backend_grant_text_context(const Surface&) { return true; }

void backend_present(const Surface& primary) {
  if (primary.width != screen_width || primary.height != screen_height) return;
  pending = &primary;
  rozeva_js_frame_ready();
}

}  // namespace platform

// The page paints: the frame waiting for it in canvas order (screen_width x screen_height RGBA),
// or null when none has come since the last paint.
extern "C" EMSCRIPTEN_KEEPALIVE const std::uint32_t* rozeva_web_take_frame() {
  using namespace platform;
  if (pending == nullptr) return nullptr;
  convert(*pending);
  pending = nullptr;
  return canvas_pixels.data();
}
