#include "platform/sdl/sdl_screen.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>

#include "platform/sdl/quiet_standard_error.h"
#include "platform/sdl/sdl_gpu.h"
#include "platform/sdl/sdl_time.h"

namespace platform::sdl {

namespace {

constexpr int assumed_refresh_hz = 60;
constexpr int smallest_window_width = screen_width / 4;
constexpr int smallest_window_height = screen_height / 4;
constexpr std::int64_t us_per_s = 1'000'000;

struct Screen {
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  PixelFormat texture_format = PixelFormat::xrgb8888;
  bool full_screen = false;
  std::int64_t refresh_us = us_per_s / assumed_refresh_hz;
  // The frame waiting for its refresh, and the one on screen (to show again when uncovered).
  const Surface* pending = nullptr;
  const Surface* shown = nullptr;
  std::int64_t next_present_us = 0;
};

Screen screen;

// Read by measurements from their own thread.
std::atomic<long> presents{0};
std::atomic<std::int64_t> first_present_us{0};
std::atomic<std::int64_t> last_present_us{0};

void read_refresh_rate() {
  SDL_DisplayMode mode{};
  const int display = SDL_GetWindowDisplayIndex(screen.window);
  const bool known = display >= 0 && SDL_GetCurrentDisplayMode(display, &mode) == 0 && mode.refresh_rate > 0;
  screen.refresh_us = us_per_s / (known ? mode.refresh_rate : assumed_refresh_hz);
}

// A window of the frame's size, or the largest of its shape the desktop has room for.
void window_size(int& width, int& height) {
  width = screen_width;
  height = screen_height;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
  if (usable.w >= width && usable.h >= height) return;
  const Letterbox fit = fit_frame(usable.w, usable.h);
  width = std::max(fit.width, smallest_window_width);
  height = std::max(fit.height, smallest_window_height);
}

// SDL falls back to drivers that show nothing (offscreen, dummy) when there is no display;
// a book nobody sees would wait for clicks for ever. They count only when asked for by name.
bool open_video() {
  std::string reason;
  {
    const QuietStandardError quiet;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      reason = SDL_GetError();
    } else if (SDL_getenv("SDL_VIDEODRIVER") == nullptr) {
      const std::string driver = SDL_GetCurrentVideoDriver();
      if (driver == "offscreen" || driver == "dummy") {
        reason = "neither DISPLAY nor WAYLAND_DISPLAY leads to a desktop";
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
      }
    }
  }
  if (reason.empty()) return true;
  std::fprintf(stderr, "rozeva: no display to show the book on (%s)\n", reason.c_str());
  return false;
}

// OpenGL where a graphics processor draws it, SDL's software drawing elsewhere; a renderer the
// user named (SDL_RENDER_DRIVER) is left to SDL.
SDL_Renderer* create_renderer(SDL_Window* window) {
  if (SDL_GetHint(SDL_HINT_RENDER_DRIVER) == nullptr && !direct_rendering_likely(window)) {
    // Drawn straight into the window's shared memory, without OpenGL underneath.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) return renderer;
  }
  if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED)) return renderer;
  return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

void show_black() {
  SDL_SetRenderDrawColor(screen.renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(screen.renderer);
  SDL_RenderPresent(screen.renderer);
}

bool texture_for(PixelFormat format) {
  if (screen.texture && screen.texture_format == format) return true;
  if (screen.texture) SDL_DestroyTexture(screen.texture);
  const Uint32 sdl_format = format == PixelFormat::xrgb8888 ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_RGB565;
  screen.texture = SDL_CreateTexture(screen.renderer, sdl_format, SDL_TEXTUREACCESS_STREAMING, screen_width,
                                     screen_height);
  screen.texture_format = format;
  return screen.texture != nullptr;
}

}  // namespace

bool open_screen(bool full_screen) {
  if (screen.window) return true;
  // Raw counts in relative mode, and no pointer warping behind the program's back.
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_SCALING, "0");
  SDL_SetHint(SDL_HINT_MOUSE_RELATIVE_MODE_WARP, "0");
  // The program's pauses must never wait for a refresh.
  SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
  if (!open_video()) return false;
  int width = 0, height = 0;
  window_size(width, height);
  const Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | (full_screen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  screen.window = SDL_CreateWindow("ROZEVA", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, flags);
  if (screen.window) screen.renderer = create_renderer(screen.window);
  if (!screen.renderer) {
    std::fprintf(stderr, "rozeva: cannot open a window (%s)\n", SDL_GetError());
    close_screen();
    return false;
  }
  SDL_SetWindowMinimumSize(screen.window, smallest_window_width, smallest_window_height);
  screen.full_screen = full_screen;
  read_refresh_rate();
  show_black();
  set_full_screen(full_screen);
  return true;
}

void close_screen() {
  screen.pending = screen.shown = nullptr;
  if (screen.texture) SDL_DestroyTexture(screen.texture);
  if (screen.renderer) SDL_DestroyRenderer(screen.renderer);
  if (screen.window) SDL_DestroyWindow(screen.window);
  screen = Screen{};
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool screen_open() { return screen.window != nullptr; }

bool full_screen() { return screen.full_screen; }

void set_full_screen(bool on) {
  if (!screen.window) return;
  if (on != screen.full_screen) SDL_SetWindowFullscreen(screen.window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  screen.full_screen = on;
  SDL_SetRelativeMouseMode(on ? SDL_TRUE : SDL_FALSE);
  read_refresh_rate();
  repaint();
}

Letterbox pointer_letterbox() {
  int width = 0, height = 0;
  if (screen.window) SDL_GetWindowSizeInPixels(screen.window, &width, &height);
  return fit_frame(width, height);
}

namespace {

// Pixels per window coordinate, across and down.
FramePoint pixel_scale() {
  int window_width = 0, window_height = 0, pixel_width = 0, pixel_height = 0;
  SDL_GetWindowSize(screen.window, &window_width, &window_height);
  SDL_GetWindowSizeInPixels(screen.window, &pixel_width, &pixel_height);
  if (window_width <= 0 || window_height <= 0) return {1, 1};
  return {double(pixel_width) / window_width, double(pixel_height) / window_height};
}

}  // namespace

FramePoint output_of_window_point(int x, int y) {
  const FramePoint scale = pixel_scale();
  return {x * scale.x, y * scale.y};
}

void place_system_pointer(double frame_x, double frame_y) {
  if (!screen.window || screen.full_screen) return;
  const Letterbox box = pointer_letterbox();
  if (box.width <= 0 || box.height <= 0) return;
  // The middle of the frame pixel, so the way back lands on the same pixel.
  const FramePoint scale = pixel_scale();
  const double output_x = box.x + (frame_x + 0.5) * box.width / screen_width;
  const double output_y = box.y + (frame_y + 0.5) * box.height / screen_height;
  SDL_WarpMouseInWindow(screen.window, static_cast<int>(output_x / scale.x), static_cast<int>(output_y / scale.y));
}

void present_now(const Surface& frame) {
  if (!screen.renderer || !texture_for(frame.format)) return;
  int width = 0, height = 0;
  SDL_GetRendererOutputSize(screen.renderer, &width, &height);
  const Letterbox box = fit_frame(width, height);
  SDL_SetTextureScaleMode(screen.texture, box.integer_scale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  SDL_UpdateTexture(screen.texture, nullptr, frame.pixels.data(), frame.pitch);
  SDL_SetRenderDrawColor(screen.renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(screen.renderer);
  const SDL_Rect target{box.x, box.y, box.width, box.height};
  SDL_RenderCopy(screen.renderer, screen.texture, nullptr, &target);
  SDL_RenderPresent(screen.renderer);
  const std::int64_t shown_us = monotonic_us();
  if (presents.fetch_add(1) == 0) first_present_us = shown_us;
  last_present_us = shown_us;
}

void present(const Surface& primary) {
  screen.pending = &primary;
  present_if_due();
}

std::optional<std::int64_t> pending_present_us() {
  if (!screen.pending) return std::nullopt;
  return screen.next_present_us;
}

bool present_due(std::int64_t now_us) { return screen.pending && now_us >= screen.next_present_us; }

void present_if_due() {
  const std::int64_t now = monotonic_us();
  if (!screen.renderer || !present_due(now)) return;
  const Surface& frame = *screen.pending;
  screen.pending = nullptr;
  screen.shown = &frame;
  screen.next_present_us = now + screen.refresh_us;
  present_now(frame);
}

void repaint() {
  if (screen.shown && !screen.pending) screen.pending = screen.shown;
  if (!screen.shown && screen.renderer) show_black();
}

void hide_screen() {
  screen.pending = screen.shown = nullptr;
  if (!screen.window) return;
  SDL_SetRelativeMouseMode(SDL_FALSE);
  SDL_HideWindow(screen.window);
}

SDL_Renderer* screen_renderer() { return screen.renderer; }

PresentRecord present_record() { return {presents.load(), first_present_us.load(), last_present_us.load()}; }

}  // namespace platform::sdl
