// The web build draws text from a glyph table instead of rendering fonts: what it reads back
// must be exactly what was rendered, and a damaged table must be refused, not half read.
#include <gtest/gtest.h>

#include <array>

#include "platform/text/font_source.h"
#include "platform/text/glyph_table.h"
#include "text_test_support.h"

namespace {

using platform::GlyphSet;

std::array<GlyphSet, platform::glyph_table_fonts> rendered_sets() {
  std::array<GlyphSet, platform::glyph_table_fonts> sets;
  for (std::size_t i = 0; i < sets.size(); ++i) sets[i] = *platform::make_font_glyphs(text_test::all_fonts[i]);
  return sets;
}

TEST(GlyphTableTest, EveryFontReadsBackAsRendered) {
  const auto sets = rendered_sets();
  const std::vector<std::uint8_t> table = platform::write_glyph_table(sets);
  for (std::size_t i = 0; i < sets.size(); ++i) {
    const std::optional<GlyphSet> read = platform::read_glyph_table(table, text_test::all_fonts[i]);
    ASSERT_TRUE(read) << "font " << i;
    const GlyphSet& expected = sets[i];
    EXPECT_EQ(read->line_height, expected.line_height);
    EXPECT_EQ(read->ascent, expected.ascent);
    EXPECT_EQ(read->advance, expected.advance);
    EXPECT_EQ(read->reach_left, expected.reach_left);
    EXPECT_EQ(read->reach_bottom, expected.reach_bottom);
    for (int byte = 0; byte < platform::byte_values; ++byte) {
      const auto& a = read->glyphs[byte];
      const auto& b = expected.glyphs[byte];
      ASSERT_TRUE(a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
                  a.coverage == b.coverage && a.byte_coverage == b.byte_coverage)
          << "font " << i << ", byte " << byte;
    }
  }
}

TEST(GlyphTableTest, ADamagedTableIsRefused) {
  const std::vector<std::uint8_t> table = platform::write_glyph_table(rendered_sets());
  const std::span<const std::uint8_t> whole(table);
  EXPECT_FALSE(platform::read_glyph_table(whole.first(table.size() - 1), platform::FontId::font_large));
  EXPECT_FALSE(platform::read_glyph_table(whole.first(3), platform::FontId::system_font));
  std::vector<std::uint8_t> wrong_magic = table;
  wrong_magic[0] = 'X';
  EXPECT_FALSE(platform::read_glyph_table(wrong_magic, platform::FontId::system_font));
  // A glyph width far beyond any font's, which would make the reader take a huge coverage run.
  std::vector<std::uint8_t> huge_glyph = table;
  const std::size_t first_width = 4 + 3 * 4 + 2 * 4;
  huge_glyph[first_width] = 0xFF;
  huge_glyph[first_width + 1] = 0xFF;
  EXPECT_FALSE(platform::read_glyph_table(huge_glyph, platform::FontId::system_font));
}

}  // namespace
