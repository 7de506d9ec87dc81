#include "platform/text/font_cache.h"

#include <array>
#include <optional>

#include "platform/text/font_source.h"

namespace platform {

namespace {

constexpr int font_count = 4;

struct FontSlot {
  bool tried = false;
  std::optional<GlyphSet> glyphs;
};

std::array<FontSlot, font_count> slots;

}  // namespace

const GlyphSet* font_glyphs(FontId font) {
  const int index = static_cast<int>(font);
  if (index < 0 || index >= font_count) return nullptr;
  FontSlot& slot = slots[index];
  if (!slot.tried) {
    slot.tried = true;
    slot.glyphs = make_font_glyphs(font);
  }
  return slot.glyphs ? &*slot.glyphs : nullptr;
}

int font_line_height(FontId font) {
  const GlyphSet* set = font_glyphs(font);
  return set ? set->line_height : 0;
}

int font_advance(FontId font) {
  const GlyphSet* set = font_glyphs(font);
  return set ? set->advance : 0;
}

void release_fonts() {
  for (FontSlot& slot : slots) slot = FontSlot{};
  release_font_source();
}

}  // namespace platform
