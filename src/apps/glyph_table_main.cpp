// rozeva-glyph-table OUT: renders the four fonts as this build draws them and writes their glyph
// table, which the web build compiles in instead of a rasteriser.
#include <array>
#include <cstdio>
#include <optional>

#include "platform/text/font_source.h"
#include "platform/text/glyph_table.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: rozeva-glyph-table OUT\n", stderr);
    return 2;
  }
  using platform::FontId;
  std::array<platform::GlyphSet, platform::glyph_table_fonts> sets;
  const std::array<FontId, platform::glyph_table_fonts> fonts = {FontId::system_font, FontId::font_small,
                                                                 FontId::font_medium, FontId::font_large};
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    std::optional<platform::GlyphSet> set = platform::make_font_glyphs(fonts[i]);
    if (!set) {
      std::fprintf(stderr, "rozeva-glyph-table: font %zu cannot be rendered\n", i);
      return 1;
    }
    sets[i] = std::move(*set);
  }
  const std::vector<std::uint8_t> table = platform::write_glyph_table(sets);
  std::FILE* out = std::fopen(argv[1], "wb");
  const bool written = out && std::fwrite(table.data(), 1, table.size(), out) == table.size();
  if (out && std::fclose(out) != 0) return 1;
  if (!written) {
    std::fprintf(stderr, "rozeva-glyph-table: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
