// The fonts read from glyph tables the native build rendered, for builds without a rasteriser:
// the same coverage bytes, so the same pixels.
#include "platform/text/embedded_glyph_table.h"
#include "platform/text/font_source.h"
#include "platform/text/glyph_table.h"

namespace platform {

std::optional<GlyphSet> make_font_glyphs(FontId font) { return read_glyph_table(glyph_table_file(), font); }

void release_font_source() {}

}  // namespace platform
