#pragma once
// A font rendered once for all 256 bytes: what drawing text needs and nothing else.
#include <array>
#include <cstdint>
#include <vector>

namespace platform {

inline constexpr int byte_values = 256;
inline constexpr std::uint8_t full_coverage = 255;
// Coverage rows are padded to a whole number of this many pixels, the widest blend step.
inline constexpr int coverage_row_pixels = 8;

// Coverage of one character, 0 (none) to 255 (full), placed relative to the top-left corner
// of its character cell. May reach outside the cell (an underscore's overhang, say).
struct GlyphBitmap {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> coverage;  // width * height, rows top-down
  // The same coverage repeated for the four bytes of a 32-bit pixel, 0 for the unused byte,
  // so 32-bit surfaces blend byte by byte, many bytes per step. Rows are padded with no
  // coverage to a whole number of coverage_row_pixels.
  int padded_width = 0;
  std::vector<std::uint8_t> byte_coverage;  // padded_width * 4 * height

  bool empty() const { return width == 0 || height == 0; }
  std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y) * width + x]; }
};

struct GlyphSet {
  int line_height = 0;
  int ascent = 0;  // cell top to baseline
  int advance = 0;
  std::array<GlyphBitmap, byte_values> glyphs;  // indexed by Windows-1252 byte
  // Box around every glyph and the cell, relative to the cell's top-left corner.
  int reach_left = 0, reach_top = 0, reach_right = 0, reach_bottom = 0;
};

// Derives the 32-bit byte coverage and the reach box once the glyphs and the cell size are
// known.
void finish_glyph_set(GlyphSet& set);

}  // namespace platform
