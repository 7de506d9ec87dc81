#include "graphics/text_output.h"

#include <cstring>

#include "platform/display/surfaces.h"

bool get_dc(platform::Surface* surface, DeviceContext& dc) {
  dc = DeviceContext{};
  if (!platform::text_context_available(surface)) return false;
  dc.surface = surface;
  return true;
}

void set_bk_mode_transparent(DeviceContext& dc) { dc.transparent = true; }

void select_font(DeviceContext& dc, const Font* font) { dc.font = font; }

void set_text_color(DeviceContext& dc, int red, int green, int blue) {
  dc.colour = platform::Rgb{red & 255, green & 255, blue & 255};
}

void text_out(DeviceContext& dc, std::int32_t x, std::int32_t y, const char* text, int length) {
  if (!dc.surface || !text) return;
  const platform::FontId font = dc.font ? dc.font->id : platform::FontId::system_font;
  platform::draw_text(*dc.surface, x, y, font, dc.colour, !dc.transparent, text, length);
}

void text_out(DeviceContext& dc, std::int32_t x, std::int32_t y, const char* text) {
  text_out(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void release_dc(DeviceContext& dc) { dc = DeviceContext{}; }
