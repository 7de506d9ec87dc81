#include "platform/text/font_cache.h"

#include <array>
#include <optional>

#include "platform/text/bitmap_glyph_set.h"
#include "platform/text/embedded_font_files.h"
#include "platform/text/outline_glyph_set.h"
#include "platform/text/psf_font.h"

namespace platform {

namespace {

constexpr int font_count = 4;

// Pixels per em that give the cell heights 16, 24 and 32 of the three bold fonts.
constexpr int small_pixel_size = 14;
constexpr int medium_pixel_size = 21;
constexpr int large_pixel_size = 28;

struct FontSlot {
  bool tried = false;
  std::optional<GlyphSet> glyphs;
};

std::array<FontSlot, font_count> slots;

std::optional<GlyphSet> load_font(FontId font) {
  switch (font) {
    case FontId::system_font: {
      const auto psf = load_psf(console_font_file());
      if (!psf) return std::nullopt;
      return make_bitmap_glyph_set(*psf);
    }
    case FontId::font_small:
      return make_outline_glyph_set(mono_bold_font_file(), small_pixel_size);
    case FontId::font_medium:
      return make_outline_glyph_set(mono_bold_font_file(), medium_pixel_size);
    case FontId::font_large:
      return make_outline_glyph_set(mono_bold_font_file(), large_pixel_size);
  }
  return std::nullopt;
}

}  // namespace

const GlyphSet* font_glyphs(FontId font) {
  const int index = static_cast<int>(font);
  if (index < 0 || index >= font_count) return nullptr;
  FontSlot& slot = slots[index];
  if (!slot.tried) {
    slot.tried = true;
    slot.glyphs = load_font(font);
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
  release_outline_renderer();
}

}  // namespace platform
