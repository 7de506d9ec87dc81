#pragma once
// Console bitmap fonts in PSF format (versions 1 and 2, plain or gzip'ed), with the Unicode
// table that tells which characters each glyph shows.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace platform {

inline constexpr int psf_max_glyph_side = 64;
inline constexpr int psf_max_glyph_count = 65536;

struct PsfFont {
  int width = 0;
  int height = 0;
  int glyph_count = 0;
  int bytes_per_row = 0;
  // glyph_count glyphs of height rows; each row bytes_per_row bytes, leftmost pixel in the top bit.
  std::vector<std::uint8_t> bitmaps;
  bool has_unicode_table = false;
  // The first glyph the table names for each character.
  std::map<char32_t, int> glyph_of;

  // The glyph that shows a character: from the table, or the glyph with that index when the
  // file has no table.
  std::optional<int> glyph_for(char32_t c) const;
  // Whether pixel (x, y) of a glyph is set; false outside the glyph or the font.
  bool ink(int glyph, int x, int y) const;
};

// Reads a PSF file; nullopt for anything that is not a whole, sane PSF font.
std::optional<PsfFont> load_psf(std::span<const std::uint8_t> file);

}  // namespace platform
