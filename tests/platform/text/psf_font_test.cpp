#include "platform/text/psf_font.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

#include "platform/text/embedded_font_files.h"
#include "support/le_bytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using platform::load_psf;

void put_u16(Bytes& b, std::uint16_t v) { test_support::append_le(b, v, 2); }
void put_u32(Bytes& b, std::uint32_t v) { test_support::append_le(b, v, 4); }

// Version 1, 256 glyphs of 8 x 4; glyph g's rows are g, 0, 0, 0x81.
Bytes psf1_font(bool with_table) {
  Bytes b = {0x36, 0x04, static_cast<std::uint8_t>(with_table ? 0x02 : 0x00), 4};
  for (int g = 0; g < 256; ++g) b.insert(b.end(), {static_cast<std::uint8_t>(g), 0, 0, 0x81});
  if (!with_table) return b;
  for (int g = 0; g < 256; ++g) {
    if (g == 'A') {
      put_u16(b, 'A');
      put_u16(b, 0x0391);  // Greek capital alpha shares the glyph
    } else if (g == 200) {
      put_u16(b, 'A');  // already taken by glyph 'A'
      put_u16(b, 0xFFFE);
      put_u16(b, 0x00E9);  // only inside a sequence
    } else if (g == 2) {
      put_u16(b, 0x20AC);
    }
    put_u16(b, 0xFFFF);
  }
  return b;
}

// Version 2, three glyphs of 10 x 3 with a header padded to 36 bytes.
Bytes psf2_font() {
  Bytes b;
  put_u32(b, 0x864AB572);
  put_u32(b, 0);
  put_u32(b, 36);  // header size
  put_u32(b, 1);   // has a table
  put_u32(b, 3);   // glyphs
  put_u32(b, 6);   // bytes per glyph
  put_u32(b, 3);   // height
  put_u32(b, 10);  // width
  put_u32(b, 0xDEADBEEF);
  for (int g = 0; g < 3; ++g)
    b.insert(b.end(), {0x80, 0x40, 0x00, 0x00, static_cast<std::uint8_t>(g), 0xC0});
  b.insert(b.end(), {'x', 0xFF});
  b.insert(b.end(), {0xE2, 0x82, 0xAC, 0xFE, 'y', 0xFF});  // euro sign, then a sequence
  b.insert(b.end(), {0xC3, 0x84, 0xFF});                   // A with diaeresis
  return b;
}

Bytes gzip(const Bytes& data) {
  z_stream z{};
  deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&z, data.size()) + 64);
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(PsfVersion1, GlyphsAndTheirCharactersAreRead) {
  const auto font = load_psf(psf1_font(true));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->width, 8);
  EXPECT_EQ(font->height, 4);
  EXPECT_EQ(font->glyph_count, 256);
  EXPECT_EQ(font->glyph_for(U'A'), 'A');
  EXPECT_EQ(font->glyph_for(U'\u0391'), 'A');
  EXPECT_EQ(font->glyph_for(U'\u20AC'), 2);
  EXPECT_FALSE(font->glyph_for(U'\u00E9'));  // sequences are not single characters
  EXPECT_FALSE(font->glyph_for(U'B'));       // a table lists every character it has
  // Glyph 0x41: top row 0100 0001, bottom row 1000 0001.
  EXPECT_TRUE(font->ink('A', 1, 0));
  EXPECT_TRUE(font->ink('A', 7, 0));
  EXPECT_FALSE(font->ink('A', 0, 0));
  EXPECT_TRUE(font->ink('A', 0, 3));
  EXPECT_FALSE(font->ink('A', 3, 1));
  EXPECT_FALSE(font->ink('A', 8, 0));
  EXPECT_FALSE(font->ink(256, 0, 3));
}

TEST(PsfVersion1, WithoutATableGlyphNumbersAreCharacters) {
  const auto font = load_psf(psf1_font(false));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->glyph_for(U'B'), 'B');
  EXPECT_EQ(font->glyph_for(U'\u00FF'), 0xFF);
  EXPECT_FALSE(font->glyph_for(U'\u0100'));
}

TEST(PsfVersion2, WideGlyphsAndTheUtf8TableAreRead) {
  const auto font = load_psf(psf2_font());
  ASSERT_TRUE(font);
  EXPECT_EQ(font->width, 10);
  EXPECT_EQ(font->height, 3);
  EXPECT_EQ(font->bytes_per_row, 2);
  EXPECT_EQ(font->glyph_for(U'x'), 0);
  EXPECT_EQ(font->glyph_for(U'\u20AC'), 1);
  EXPECT_EQ(font->glyph_for(U'\u00C4'), 2);
  EXPECT_FALSE(font->glyph_for(U'y'));
  // Rows: 1000000000, 0100000000 (first byte of the second row is 0x00 0x00), then g, 11.
  EXPECT_TRUE(font->ink(1, 0, 0));
  EXPECT_TRUE(font->ink(1, 9, 0));
  EXPECT_FALSE(font->ink(1, 1, 0));
  EXPECT_TRUE(font->ink(1, 7, 2));
  EXPECT_TRUE(font->ink(1, 8, 2));
  EXPECT_TRUE(font->ink(2, 6, 2));
  EXPECT_FALSE(font->ink(1, 6, 2));
}

TEST(PsfCompression, GzippedFontsReadLikePlainOnes) {
  const auto plain = load_psf(psf2_font());
  const auto packed = load_psf(gzip(psf2_font()));
  ASSERT_TRUE(plain && packed);
  EXPECT_EQ(packed->bitmaps, plain->bitmaps);
  EXPECT_EQ(packed->glyph_of, plain->glyph_of);
}

TEST(PsfCompression, DamagedOrOversizedStreamsAreRefused) {
  Bytes packed = gzip(psf1_font(true));
  packed.resize(packed.size() / 2);
  EXPECT_FALSE(load_psf(packed));
  Bytes huge = psf1_font(true);
  huge.resize(5 * 1024 * 1024, 0);
  EXPECT_FALSE(load_psf(gzip(huge)));
  EXPECT_FALSE(load_psf(gzip(gzip(psf1_font(true)))));
}

TEST(PsfDamage, ImpossibleHeadersAreRefused) {
  auto with_field = [](int offset, std::uint32_t value) {
    Bytes b = psf2_font();
    for (int i = 0; i < 4; ++i) b[offset + i] = (value >> (8 * i)) & 0xFF;
    return b;
  };
  EXPECT_FALSE(load_psf(with_field(8, 8)));       // header shorter than its fields
  EXPECT_FALSE(load_psf(with_field(8, 100000)));  // header past the end
  EXPECT_FALSE(load_psf(with_field(16, 0)));      // no glyphs
  EXPECT_FALSE(load_psf(with_field(16, 0x7FFFFFFF)));
  EXPECT_FALSE(load_psf(with_field(20, 7)));  // glyph size disagrees with width and height
  EXPECT_FALSE(load_psf(with_field(28, 0)));
  EXPECT_FALSE(load_psf(with_field(28, 65)));
  EXPECT_FALSE(load_psf(Bytes{0x36, 0x04, 0x00, 0x00}));  // version 1 with no rows
  EXPECT_FALSE(load_psf(Bytes{'B', 'M', 0, 0, 0, 0}));
}

TEST(PsfDamage, EveryTruncationIsRefusedOrKeepsTheWholeGlyphs) {
  for (const Bytes& whole : {psf1_font(true), psf2_font()}) {
    const auto full = load_psf(whole);
    ASSERT_TRUE(full);
    for (std::size_t length = 0; length < whole.size(); ++length) {
      const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
      const auto font = load_psf(part);
      if (font) {
        EXPECT_EQ(font->bitmaps, full->bitmaps) << length;
      }
    }
  }
}

TEST(ConsoleFont, TheEmbeddedFontIsAnEightBySixteenLatinFont) {
  const auto font = load_psf(platform::console_font_file());
  ASSERT_TRUE(font);
  EXPECT_EQ(font->width, 8);
  EXPECT_EQ(font->height, 16);
  EXPECT_TRUE(font->has_unicode_table);
  for (char32_t c : {U'A', U'\u00C4', U'\u00DF', U'\u20AC', U'\u201E'})
    EXPECT_TRUE(font->glyph_for(c));
  EXPECT_NE(font->glyph_for(U'A'), font->glyph_for(U'\u00C4'));
}

}  // namespace
