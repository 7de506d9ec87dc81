#include "platform/display/surfaces.h"

#include <utility>

#include "platform/display/display_backend.h"
#include "platform/display/display_state.h"

namespace platform {

namespace {

// The one flip chain; the primary owns its back buffer.
Surface* chain_primary = nullptr;
Surface* chain_back = nullptr;

bool in_chain(const Surface* surface) {
  return surface != nullptr && (surface == chain_primary || surface == chain_back);
}

}  // namespace

Surface* create_primary_surface() {
  const DisplayObject* display = held_display_object();
  if (display == nullptr || !display->exclusive || chain_primary != nullptr) return nullptr;
  if (!backend_grant_surface(SurfaceRole::primary)) return nullptr;
  chain_primary = new Surface(make_surface(screen_width, screen_height, display->format));
  chain_back = new Surface(make_surface(screen_width, screen_height, display->format));
  return chain_primary;
}

Surface* get_back_buffer(Surface* primary) {
  if (primary == nullptr || primary != chain_primary) return nullptr;
  if (!backend_grant_surface(SurfaceRole::back_buffer)) return nullptr;
  return chain_back;
}

Surface* create_offscreen_surface(int w, int h) {
  const DisplayObject* display = held_display_object();
  if (display == nullptr) return nullptr;
  if (w <= 0 || h <= 0 || w > max_surface_side || h > max_surface_side) return nullptr;
  if (!backend_grant_surface(SurfaceRole::offscreen)) return nullptr;
  return new Surface(make_surface(w, h, display->format));
}

bool set_color_key_black(Surface* surface) {
  if (surface == nullptr) return false;
  surface->color_key_black = true;
  return true;
}

void release_surface(Surface*& surface) {
  if (surface == nullptr) return;
  if (surface == chain_primary) {
    delete chain_back;
    delete chain_primary;
    chain_back = nullptr;
    chain_primary = nullptr;
  } else if (surface != chain_back) {
    delete surface;
  }
  surface = nullptr;
}

bool surface_lost(const Surface* surface) { return surface != nullptr && surface->lost; }

void mark_surface_lost(Surface* surface) {
  if (surface == nullptr) return;
  if (in_chain(surface)) {
    chain_primary->lost = true;
    chain_back->lost = true;
  } else {
    surface->lost = true;
  }
}

bool restore_surface(Surface* surface) {
  if (surface == nullptr) return false;
  if (in_chain(surface)) {
    chain_primary->lost = false;
    chain_back->lost = false;
  } else {
    surface->lost = false;
  }
  return true;
}

bool flip(Surface* primary) {
  if (primary == nullptr || primary != chain_primary) return false;
  if (chain_primary->lost || chain_back->lost) return false;
  // Swapping the stores keeps each surface's own flags where they belong.
  std::swap(chain_primary->pixels, chain_back->pixels);
  backend_present(*chain_primary);
  return true;
}

void present_primary() {
  if (chain_primary == nullptr || chain_primary->lost) return;
  backend_present(*chain_primary);
}

bool text_context_available(const Surface* surface) {
  if (surface == nullptr || surface->lost) return false;
  return backend_grant_text_context(*surface);
}

}  // namespace platform
