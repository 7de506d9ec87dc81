#include <gtest/gtest.h>

#include "platform/text/font_cache.h"
#include "text_test_support.h"

namespace {

using namespace text_test;
using platform::font_advance;
using platform::font_line_height;

struct ExpectedMetrics {
  FontId font;
  int line_height;
  int ascent;
  int advance;
};

constexpr ExpectedMetrics expected_metrics[] = {
    {FontId::system_font, 16, 12, 8},
    {FontId::font_small, 16, 12, 8},
    {FontId::font_medium, 24, 18, 13},
    {FontId::font_large, 32, 24, 17},
};

int ascent(FontId font) { return platform::font_glyphs(font)->ascent; }

TEST(FontMetrics, CellsHaveTheProgramsLineHeightsAscentsAndAdvances) {
  for (const ExpectedMetrics& m : expected_metrics) {
    SCOPED_TRACE(static_cast<int>(m.font));
    EXPECT_EQ(font_line_height(m.font), m.line_height);
    EXPECT_EQ(font_advance(m.font), m.advance);
    EXPECT_EQ(ascent(m.font), m.ascent);
  }
}

TEST(FontMetrics, CapitalLettersSitOnTheBaselineInsideTheCell) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int x = 7, y = 5;
    Surface s = filled_surface(60, 60, black);
    draw(s, x, y, font, "H");
    const Box h = ink_box(s, black);
    EXPECT_EQ(h.y1, y + ascent(font));
    EXPECT_GT(h.y0, y);
    EXPECT_GE(h.x0, x);
    EXPECT_LE(h.x1, x + font_advance(font));
  }
}

TEST(FontMetrics, UnderscoreLiesBelowTheBaselineWithinTheCell) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int x = 9, y = 4;
    Surface s = filled_surface(60, 60, black);
    draw(s, x, y, font, "_");
    const Box underscore = ink_box(s, black);
    EXPECT_GE(underscore.y0, y + ascent(font));
    EXPECT_LE(underscore.y1, y + font_line_height(font));
  }
}

TEST(FontMetrics, AccentedCapitalsStayInsideTheCell) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    Surface s = filled_surface(60, 60, black);
    draw(s, 10, 10, font, "\xC4\xD6\xDC\xC5");
    EXPECT_GE(ink_box(s, black).y0, 10);
  }
}

TEST(FontMetrics, TextMovesWithItsPosition) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    Surface a = filled_surface(120, 80, black);
    Surface b = filled_surface(120, 80, black);
    draw(a, 3, 2, font, "Hg_");
    draw(b, 3 + 11, 2 + 17, font, "Hg_");
    EXPECT_EQ(crop(a, 0, 0, 100, 60), crop(b, 11, 17, 100, 60));
  }
}

TEST(FontMetrics, EveryCharacterAdvancesByTheFontsAdvance) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int advance = font_advance(font);
    Surface one = filled_surface(120, 40, black);
    Surface row = filled_surface(120, 40, black);
    draw(one, 2, 2, font, "W");
    draw(row, 2, 2, font, "Wi.W");
    const Box w = ink_box(one, black);
    EXPECT_EQ(ink_box(row, black).x1, w.x1 + 3 * advance);
    EXPECT_EQ(crop(one, w.x0, 0, w.x1 - w.x0, 40),
              crop(row, w.x0 + 3 * advance, 0, w.x1 - w.x0, 40));
  }
}

}  // namespace
