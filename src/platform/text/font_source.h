#pragma once
// Where the four fonts' glyphs come from. Native builds render them from the embedded font
// files; the web build, which has no rasteriser, reads tables the native build rendered.
// CMake links exactly one source.
#include <optional>

#include "platform/text/glyph_set.h"
#include "platform/text/text_output.h"

namespace platform {

// The font's glyphs, cell size and metrics; nullopt when they cannot be had.
std::optional<GlyphSet> make_font_glyphs(FontId font);

// Frees whatever making glyphs started (the rasteriser).
void release_font_source();

}  // namespace platform
