#pragma once
// The four fonts' glyph sets as one file: what a build without a rasteriser needs to draw text
// exactly as the native build does. Little-endian: "RZGT", then per font in FontId order its
// line height, ascent and advance (int32), then 256 glyphs of left, top (int32), width, height
// (uint16) and width * height coverage bytes.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/text/glyph_set.h"
#include "platform/text/text_output.h"

namespace platform {

inline constexpr int glyph_table_fonts = 4;

// The table of the fonts' sets, given in FontId order.
std::vector<std::uint8_t> write_glyph_table(std::span<const GlyphSet, glyph_table_fonts> sets);

// One font's set from a table, finished for drawing; nullopt for a table that is cut short,
// too long or not a glyph table.
std::optional<GlyphSet> read_glyph_table(std::span<const std::uint8_t> table, FontId font);

}  // namespace platform
