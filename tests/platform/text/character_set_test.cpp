#include <gtest/gtest.h>

#include "platform/text/utf8_to_windows_1252.h"
#include "platform/text/windows_1252.h"
#include "text_test_support.h"

namespace {

using namespace text_test;
using platform::windows_1252_to_unicode;

constexpr const char* undefined_bytes[] = {"\x81", "\x8D", "\x8F", "\x90", "\x9D"};
constexpr const char* missing_glyph = "\x81";

bool blank(const std::vector<Rgb>& cell) {
  for (const Rgb& p : cell)
    if (!(p == black)) return false;
  return true;
}

TEST(Windows1252, HighBytesAreTheCodePagesSignsFiveAreUndefinedTheRestIsLatin1) {
  EXPECT_EQ(windows_1252_to_unicode(0x80), U'\u20AC');
  EXPECT_EQ(windows_1252_to_unicode(0x84), U'\u201E');
  EXPECT_EQ(windows_1252_to_unicode(0x96), U'\u2013');
  EXPECT_EQ(windows_1252_to_unicode(0x9F), U'\u0178');
  int undefined = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const auto c = windows_1252_to_unicode(static_cast<unsigned char>(byte));
    if (!c) {
      ++undefined;
    } else if (byte >= 0x80 && byte < 0xA0) {
      EXPECT_GT(*c, 0xFFu) << byte;  // none of them is a C1 control
    } else {
      EXPECT_EQ(*c, static_cast<char32_t>(byte));
    }
  }
  EXPECT_EQ(undefined, 5);
  for (const char* byte : undefined_bytes)
    EXPECT_FALSE(windows_1252_to_unicode(static_cast<unsigned char>(*byte)));
}

// A keyboard's text arrives as UTF-8; the prompts take Windows-1252 codes.
TEST(Windows1252, TypedTextKeepsItsCodesAndMarksWhatHasNone) {
  EXPECT_EQ(platform::windows_1252_of_typed_utf8("\xC3\xA4\xC3\x9F\xE2\x82\xAC"), "\xE4\xDF\x80");
  EXPECT_EQ(platform::windows_1252_of_typed_utf8("a\xF0\x9F\x98\x80" "b"), "a?b");   // an emoji has no code
  EXPECT_EQ(platform::windows_1252_of_typed_utf8("\xFF" "1\xC3"), "1");          // broken bytes are left out
  EXPECT_EQ(platform::utf8_of_windows_1252("\xC4\x81"), "\xC3\x84\xEF\xBF\xBD");  // undefined -> U+FFFD
}

TEST(TextCharacterSet, GermanLettersDrawAsThemselvesInEveryFont) {
  const std::pair<const char*, const char*> letters[] = {
      {"\xC4", "A"}, {"\xD6", "O"}, {"\xDC", "U"}, {"\xE4", "a"},
      {"\xF6", "o"}, {"\xFC", "u"}, {"\xDF", "B"},
  };
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const auto box = character_cell(font, missing_glyph);
    for (const auto& [letter, plain] : letters) {
      SCOPED_TRACE(plain);
      const auto cell = character_cell(font, letter);
      EXPECT_FALSE(blank(cell));
      EXPECT_NE(cell, character_cell(font, plain));
      EXPECT_NE(cell, box);
    }
  }
}

TEST(TextCharacterSet, UmlautsAddMarksAboveTheirBaseLetter) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    Surface plain = filled_surface(40, 50, black);
    Surface umlaut = filled_surface(40, 50, black);
    draw(plain, 4, 4, font, "a");
    draw(umlaut, 4, 4, font, "\xE4");
    const Box a = ink_box(plain, black);
    const Box a_umlaut = ink_box(umlaut, black);
    EXPECT_LT(a_umlaut.y0, a.y0);
    EXPECT_EQ(a_umlaut.y1, a.y1);
  }
}

TEST(TextCharacterSet, EuroSignHasItsOwnGlyph) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const auto euro = character_cell(font, "\x80");
    EXPECT_FALSE(blank(euro));
    EXPECT_NE(euro, character_cell(font, missing_glyph));
    EXPECT_NE(euro, character_cell(font, "C"));
    EXPECT_NE(euro, character_cell(font, "E"));
  }
}

TEST(TextCharacterSet, UndefinedBytesDrawTheMissingGlyphBox) {
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const auto box = character_cell(font, missing_glyph);
    EXPECT_FALSE(blank(box));
    for (const char* byte : undefined_bytes) EXPECT_EQ(character_cell(font, byte), box);

    // A hollow box: ink on its outline, none at its centre.
    Surface s = filled_surface(60, 60, black);
    draw(s, 10, 10, font, missing_glyph);
    const Box outline = ink_box(s, black);
    ASSERT_GE(outline.x1 - outline.x0, 3);
    ASSERT_GE(outline.y1 - outline.y0, 3);
    const int mid_x = (outline.x0 + outline.x1) / 2, mid_y = (outline.y0 + outline.y1) / 2;
    EXPECT_EQ(platform::read_pixel(s, mid_x, mid_y), black);
    EXPECT_NE(platform::read_pixel(s, mid_x, outline.y0), black);
    EXPECT_NE(platform::read_pixel(s, mid_x, outline.y1 - 1), black);
    EXPECT_NE(platform::read_pixel(s, outline.x0, mid_y), black);
    EXPECT_NE(platform::read_pixel(s, outline.x1 - 1, mid_y), black);
  }
}

}  // namespace
