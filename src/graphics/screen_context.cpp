#include "graphics/screen_context.h"

ScreenContext screen;

namespace {
const Font fonts[] = {{platform::FontId::system_font},
                      {platform::FontId::font_small},
                      {platform::FontId::font_medium},
                      {platform::FontId::font_large}};
int fonts_in_use = 0;
}  // namespace

const Font* stock_system_font() { return create_font(platform::FontId::system_font); }

const Font* create_font(platform::FontId id) {
  ++fonts_in_use;
  return &fonts[static_cast<int>(id)];
}

void delete_font(const Font*& slot) {
  if (!slot) return;
  slot = nullptr;
  // The rasteriser's memory goes with the last font.
  if (--fonts_in_use == 0) platform::release_fonts();
}
