#pragma once
// Text on a surface through a drawing context, in the order every caller follows: get the
// context, set the background mode, select a font and a colour, draw, release.
#include <cstdint>

#include "graphics/screen_context.h"
#include "platform/display/surface.h"

struct DeviceContext {
  platform::Surface* surface = nullptr;
  bool transparent = false;    // a new context draws an opaque (white) background
  const Font* font = nullptr;  // none selected: the stock system font
  platform::Rgb colour{0, 0, 0};
};

// False when the surface gives no drawing context now; the caller then draws no text.
bool get_dc(platform::Surface* surface, DeviceContext& dc);
void set_bk_mode_transparent(DeviceContext& dc);
void select_font(DeviceContext& dc, const Font* font);
void set_text_color(DeviceContext& dc, int red, int green, int blue);
// Draws `length` bytes of Windows-1252 text with the top-left corner at (x, y).
void text_out(DeviceContext& dc, std::int32_t x, std::int32_t y, const char* text, int length);
void text_out(DeviceContext& dc, std::int32_t x, std::int32_t y, const char* text);
void release_dc(DeviceContext& dc);
