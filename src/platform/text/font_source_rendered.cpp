// The fonts rendered at run time from the font files compiled into the program.
#include "platform/text/bitmap_glyph_set.h"
#include "platform/text/embedded_font_files.h"
#include "platform/text/font_source.h"
#include "platform/text/outline_glyph_set.h"
#include "platform/text/psf_font.h"

namespace platform {

namespace {

// Pixels per em that give the cell heights 16, 24 and 32 of the three bold fonts.
constexpr int small_pixel_size = 14;
constexpr int medium_pixel_size = 21;
constexpr int large_pixel_size = 28;

}  // namespace

std::optional<GlyphSet> make_font_glyphs(FontId font) {
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

void release_font_source() { release_outline_renderer(); }

}  // namespace platform
