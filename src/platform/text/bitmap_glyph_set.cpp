#include "platform/text/bitmap_glyph_set.h"

#include "platform/text/windows_1252.h"

namespace platform {

namespace {

struct InkRows {
  int top = 0;
  int bottom = 0;  // one past the last row with ink
};

// The rows a glyph inks; a capital H tells where the baseline and the cap height lie, as a
// PSF file carries no metrics.
InkRows ink_rows(const PsfFont& font, int glyph) {
  InkRows rows{font.height, 0};
  for (int y = 0; y < font.height; ++y)
    for (int x = 0; x < font.width; ++x)
      if (font.ink(glyph, x, y)) {
        rows.top = std::min(rows.top, y);
        rows.bottom = std::max(rows.bottom, y + 1);
      }
  return rows;
}

// The glyph's bits as full or no coverage, trimmed to the pixels it sets.
GlyphBitmap bitmap_glyph(const PsfFont& font, int glyph) {
  int x0 = font.width, y0 = font.height, x1 = 0, y1 = 0;
  for (int y = 0; y < font.height; ++y)
    for (int x = 0; x < font.width; ++x)
      if (font.ink(glyph, x, y)) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x + 1);
        y1 = std::max(y1, y + 1);
      }
  GlyphBitmap g;
  if (x1 <= x0) return g;
  g.left = x0;
  g.top = y0;
  g.width = x1 - x0;
  g.height = y1 - y0;
  g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x)
      g.coverage[static_cast<std::size_t>(y) * g.width + x] =
          font.ink(glyph, x0 + x, y0 + y) ? full_coverage : 0;
  return g;
}

GlyphBitmap missing_glyph_box(int width, InkRows rows) {
  GlyphBitmap g;
  g.left = width >= 3 ? 1 : 0;
  g.width = width - 2 * g.left;
  g.top = rows.top;
  g.height = rows.bottom - rows.top;
  g.coverage.assign(static_cast<std::size_t>(g.width) * g.height, 0);
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x)
      if (y == 0 || y == g.height - 1 || x == 0 || x == g.width - 1)
        g.coverage[static_cast<std::size_t>(y) * g.width + x] = full_coverage;
  return g;
}

}  // namespace

GlyphSet make_bitmap_glyph_set(const PsfFont& font) {
  GlyphSet set;
  set.line_height = font.height;
  set.advance = font.width;
  InkRows capital{0, font.height};
  if (const auto h = font.glyph_for(U'H')) {
    const InkRows rows = ink_rows(font, *h);
    if (rows.bottom > rows.top) capital = rows;
  }
  set.ascent = capital.bottom;
  const GlyphBitmap box = missing_glyph_box(font.width, capital);
  for (int byte = 0; byte < byte_values; ++byte) {
    const auto code = windows_1252_to_unicode(static_cast<unsigned char>(byte));
    const auto glyph = code ? font.glyph_for(*code) : std::nullopt;
    set.glyphs[byte] = glyph ? bitmap_glyph(font, *glyph) : box;
  }
  finish_glyph_set(set);
  return set;
}

}  // namespace platform
