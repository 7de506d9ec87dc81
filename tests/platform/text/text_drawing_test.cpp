#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/text/font_cache.h"
#include "text_test_support.h"

namespace {

using namespace text_test;
using platform::font_advance;
using platform::font_line_height;
using platform::PixelFormat;

constexpr Rgb blue{0, 0, 200};
constexpr Rgb prompt_red{200, 100, 100};

TEST(TextBackgrounds, TransparentTextChangesOnlyGlyphPixels) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int x = 5, y = 5;
    Surface s = filled_surface(80, 40, blue);
    draw(s, x, y, font, "HOH", prompt_red);
    int changed = 0;
    for (int y = 0; y < s.height; ++y)
      for (int x = 0; x < s.width; ++x) {
        const Rgb p = platform::read_pixel(s, x, y);
        if (p == blue) continue;
        ++changed;
        // Every changed pixel lies between the background and the text colour.
        EXPECT_LE(p.r, prompt_red.r);
        EXPECT_LE(p.g, prompt_red.g);
        EXPECT_GE(p.b, prompt_red.b);
      }
    EXPECT_GT(changed, 0);
    // The cells' top and bottom rows hold no ink of these letters and stay as they were.
    const int cells_width = 3 * font_advance(font);
    for (int row : {y, y + font_line_height(font) - 1})
      EXPECT_EQ(crop(s, x, row, cells_width, 1), std::vector<Rgb>(cells_width, blue));
  }
}

TEST(TextBackgrounds, OpaqueTextFillsExactlyItsCellsWithWhite) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int x = 6, y = 4, cells_width = 3 * font_advance(font), height = font_line_height(font);
    Surface opaque = filled_surface(80, 50, blue);
    Surface on_white = filled_surface(80, 50, white);
    draw(opaque, x, y, font, "HOH", prompt_red, true);
    draw(on_white, x, y, font, "HOH", prompt_red, false);
    EXPECT_EQ(crop(opaque, x, y, cells_width, height), crop(on_white, x, y, cells_width, height));
    for (int row = 0; row < opaque.height; ++row)
      for (int col = 0; col < opaque.width; ++col) {
        const bool in_cells = col >= x && col < x + cells_width && row >= y && row < y + height;
        if (!in_cells) {
          ASSERT_EQ(platform::read_pixel(opaque, col, row), blue) << col << "," << row;
        }
      }
  }
}

TEST(TextColours, FullyCoveredPixelsTakeTheExactColour) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const platform::GlyphSet& set = *platform::font_glyphs(font);
    const platform::GlyphBitmap& glyph = set.glyphs['I'];
    const int x = 3, y = 2;
    Surface s = filled_surface(40, 40, black);
    draw(s, x, y, font, "I", prompt_red);
    int full = 0;
    for (int gy = 0; gy < glyph.height; ++gy)
      for (int gx = 0; gx < glyph.width; ++gx) {
        const Rgb p = platform::read_pixel(s, x + glyph.left + gx, y + glyph.top + gy);
        if (glyph.at(gx, gy) == platform::full_coverage) {
          ++full;
          EXPECT_EQ(p, prompt_red);
        } else if (glyph.at(gx, gy) == 0) {
          EXPECT_EQ(p, black);
        } else {
          EXPECT_NE(p, black);
          EXPECT_NE(p, prompt_red);
        }
      }
    EXPECT_GT(full, 0);
  }
}

TEST(TextColours, ComponentsUseTheirLowByte) {
  Surface high = filled_surface(30, 30, black);
  Surface low = filled_surface(30, 30, black);
  draw(high, 2, 2, FontId::font_small, "I", Rgb{256 + 200, 512 + 100, 100});
  draw(low, 2, 2, FontId::font_small, "I", prompt_red);
  EXPECT_EQ(crop(high, 0, 0, 30, 30), crop(low, 0, 0, 30, 30));
}

TEST(TextColours, SixteenBitSurfacesGetTheSameTextInTheirOwnPrecision) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    for (bool opaque : {false, true}) {
      Surface wide = filled_surface(120, 40, white);
      Surface narrow = filled_surface(120, 40, white, PixelFormat::rgb565);
      draw(wide, 1, 1, font,
           "G\xF6\xDF"
           "e \x80",
           prompt_red, opaque);
      draw(narrow, 1, 1, font,
           "G\xF6\xDF"
           "e \x80",
           prompt_red, opaque);
      Surface expected = platform::make_surface(wide.width, wide.height, PixelFormat::rgb565);
      for (int y = 0; y < wide.height; ++y)
        for (int x = 0; x < wide.width; ++x)
          platform::write_pixel(expected, x, y, platform::read_pixel(wide, x, y));
      EXPECT_EQ(narrow.pixels, expected.pixels);
    }
  }
}

TEST(TextClipping, TextAcrossAnyEdgeShowsExactlyItsVisiblePart) {
  constexpr int margin = 100, width = 40, height = 20;
  const std::pair<int, int> positions[] = {{-13, -5}, {30, 12}, {-3, 15}, {25, -20},
                                           {-40, 0},  {0, -31}, {39, 19}, {-6, 3}};
  for (FontId font : all_fonts) {
    for (bool opaque : {false, true}) {
      for (const auto& [x, y] : positions) {
        SCOPED_TRACE(std::to_string(static_cast<int>(font)) + " at " + std::to_string(x) + "," +
                     std::to_string(y));
        Surface small = filled_surface(width, height, blue);
        Surface large = filled_surface(width + 2 * margin, height + 2 * margin, blue);
        draw(small, x, y, font, "_Hallo \xC4rger_", prompt_red, opaque);
        draw(large, x + margin, y + margin, font, "_Hallo \xC4rger_", prompt_red, opaque);
        EXPECT_EQ(crop(small, 0, 0, width, height), crop(large, margin, margin, width, height));
      }
    }
  }
}

TEST(TextClipping, GlyphsEndingNearTheRightEdgeOfTheLastRowStayInside) {
  constexpr int margin = 40, width = 37;
  for (FontId font : all_fonts) {
    const int height = font_line_height(font), advance = font_advance(font);
    for (int x = width - 3 * advance - 5; x < width; ++x) {
      SCOPED_TRACE(std::to_string(static_cast<int>(font)) + " at " + std::to_string(x));
      Surface small = filled_surface(width, height, blue);
      Surface large = filled_surface(width + 2 * margin, height + 2 * margin, blue);
      draw(small, x, 0, font, "HOg", prompt_red);
      draw(large, x + margin, margin, font, "HOg", prompt_red);
      EXPECT_EQ(crop(small, 0, 0, width, height), crop(large, margin, margin, width, height));
    }
  }
}

TEST(TextClipping, HugeCoordinatesDrawNothingAndNeverOverflow) {
  const std::string long_text(100000, 'W');
  const int extremes[] = {INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX - 1, INT_MAX};
  for (FontId font : all_fonts) {
    Surface s = filled_surface(64, 48, blue);
    const auto before = s.pixels;
    for (int x : extremes)
      for (int y : extremes) {
        draw(s, x, y, font, long_text, prompt_red, true);
        draw(s, x, 10, font, "W", prompt_red, true);
        draw(s, 10, y, font, "W", prompt_red, true);
      }
    draw(s, INT_MAX, 10, font, long_text, prompt_red, true);
    EXPECT_EQ(s.pixels, before) << static_cast<int>(font);
  }
}

TEST(TextClipping, ALongTextStartingFarLeftShowsItsLaterCharacters) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    constexpr int hidden = 50000;
    const int advance = font_advance(font);
    std::string text(hidden, '.');
    text += "H\xC4";
    Surface far = filled_surface(60, 40, black);
    Surface near = filled_surface(60, 40, black);
    draw(far, 4 - hidden * advance, 3, font, text);
    draw(near, 4 - advance, 3, font, ".H\xC4");
    EXPECT_EQ(far.pixels, near.pixels);
  }
}

TEST(TextRefusals, NothingIsDrawnForNoTextOrALostSurface) {
  Surface s = filled_surface(40, 30, blue);
  const auto before = s.pixels;
  platform::draw_text(s, 2, 2, FontId::font_medium, white, true, nullptr, 5);
  platform::draw_text(s, 2, 2, FontId::font_medium, white, true, "H", 0);
  platform::draw_text(s, 2, 2, FontId::font_medium, white, true, "H", -3);
  s.lost = true;
  platform::draw_text(s, 2, 2, FontId::font_medium, white, true, "H", 1);
  EXPECT_EQ(s.pixels, before);
}

TEST(FontLifetime, FontsComeBackAfterTheyAreReleased) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    Surface before = filled_surface(60, 40, black);
    draw(before, 2, 2, font, "\xC4g\x80");
    const int line_height = font_line_height(font);
    platform::release_fonts();
    Surface after = filled_surface(60, 40, black);
    draw(after, 2, 2, font, "\xC4g\x80");
    EXPECT_EQ(after.pixels, before.pixels);
    platform::release_fonts();
    EXPECT_EQ(font_line_height(font), line_height);
  }
}

}  // namespace
