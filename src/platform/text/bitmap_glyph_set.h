#pragma once
// Turns a console bitmap font into a glyph set: one pixel per bit, no anti-aliasing.
#include "platform/text/glyph_set.h"
#include "platform/text/psf_font.h"

namespace platform {

// Bytes the font has no glyph for draw a hollow box the height of a capital letter.
GlyphSet make_bitmap_glyph_set(const PsfFont& font);

}  // namespace platform
