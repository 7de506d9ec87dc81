#pragma once
// The process-wide fonts behind text output, each rendered on first use.
#include "platform/text/glyph_set.h"
#include "platform/text/text_output.h"

namespace platform {

// The font's glyphs; nullptr when it cannot be loaded (then it is not tried again until
// release_fonts()).
const GlyphSet* font_glyphs(FontId font);

}  // namespace platform
