#pragma once
// Renders a TrueType font into an anti-aliased glyph set with FreeType. The FreeType library
// starts on the first call and stays until release_outline_renderer().
#include <cstdint>
#include <optional>
#include <span>

#include "platform/text/glyph_set.h"

namespace platform {

// The font at the given size in pixels per em. The cell is the font's line height; the
// baseline lies the rounded descent above the cell's bottom. Bytes whose character the font
// lacks draw the font's missing-glyph outline. nullopt when FreeType refuses the file.
std::optional<GlyphSet> make_outline_glyph_set(std::span<const std::uint8_t> file, int pixel_size);

void release_outline_renderer();

}  // namespace platform
