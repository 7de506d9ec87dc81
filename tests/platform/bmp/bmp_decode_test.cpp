// Decoding BMP files built in the test: formats, palettes, masks, run lengths, refusals.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "support/bmp_writer.h"
#include "platform/bmp/bmp.h"

namespace {

using test_support::BmpFile;
using test_support::stored_rows;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t rle8 = 1, rle4 = 2, bitfields = 3;

std::optional<platform::Bitmap> decode(const BmpFile& file) {
  const auto bytes = file.bytes();  // exactly sized: the sanitizer sees any read past the end
  return platform::decode_bmp(bytes.data(), bytes.size());
}

Pixels decoded_pixels(const BmpFile& file) {
  const auto bitmap = decode(file);
  return bitmap ? bitmap->pixels : Pixels{};
}

std::uint32_t pattern(int x, int y) {
  const auto channel = [](int v) { return static_cast<std::uint32_t>(v & 255); };
  return (channel(x * 40 + 7) << 16) | (channel(y * 50 + 9) << 8) | channel(x * 3 + y + 200);
}

BmpFile rgb24_file(int width, int height) {
  BmpFile file;
  file.width = width;
  file.height = height;
  file.pixel_data = stored_rows(width, height, 24, pattern);
  return file;
}

Pixels pattern_pixels(int width, int height) {
  Pixels p;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.push_back(pattern(x, y));
  return p;
}

TEST(BmpDecodeRows, BottomUpOrTopDownRowsComeOutTopDown) {
  BmpFile file = rgb24_file(3, 2);
  EXPECT_EQ(decoded_pixels(file), pattern_pixels(3, 2));
  file.height = -2;
  file.pixel_data = stored_rows(3, 2, 24, [](int x, int y) { return pattern(x, 1 - y); });
  EXPECT_EQ(decoded_pixels(file), pattern_pixels(3, 2));
}

TEST(BmpDecodeRows, LastRowMayLackItsPaddingButNotItsPixels) {
  // Widths around the four-pixel steps of the 24-bit loop; the file ends at the last pixel.
  for (int width = 1; width <= 13; ++width) {
    BmpFile file = rgb24_file(width, 2);
    file.pixel_data.resize(file.pixel_data.size() - (4 - width * 3 % 4) % 4);
    EXPECT_EQ(decoded_pixels(file), pattern_pixels(width, 2)) << width;
    file.pixel_data.pop_back();
    EXPECT_FALSE(decode(file)) << width;
  }
}

TEST(BmpDecodeIndexed, EveryIndexDepthPicksItsPaletteColour) {
  for (const int bits : {1, 2, 4, 8}) {
    BmpFile file = rgb24_file(9, 3);
    file.bits = static_cast<std::uint16_t>(bits);
    for (int i = 0; i < (1 << bits); ++i) file.palette.push_back(0x010203u * static_cast<std::uint32_t>(i + 1));
    auto index = [bits](int x, int y) { return static_cast<std::uint32_t>((x + 2 * y) % (1 << bits)); };
    file.pixel_data = stored_rows(9, 3, bits, index);
    Pixels expected;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 9; ++x) expected.push_back(file.palette[index(x, y)]);
    EXPECT_EQ(decoded_pixels(file), expected) << bits << " bits";
  }
}

TEST(BmpDecodeIndexed, IndicesBeyondThePaletteAreBlack) {
  BmpFile file = rgb24_file(4, 1);
  file.bits = 8;
  file.colours_used = 2;
  file.palette = {0x112233, 0x445566};
  file.pixel_data = {0, 1, 2, 255};
  EXPECT_EQ(decoded_pixels(file), (Pixels{0x112233, 0x445566, 0, 0}));
  // However many entries the header claims, the palette ends where the pixels begin.
  file.colours_used = 100000;
  file.palette = {0x112233};
  EXPECT_EQ(decoded_pixels(file), (Pixels{0x112233, 0, 0, 0}));
}

TEST(BmpDecodeIndexed, CoreHeaderPaletteAndAGapBeforeThePixels) {
  BmpFile file = rgb24_file(3, 1);
  file.header_size = 12;
  file.bits = 8;
  file.palette = {0xAABBCC, 0x102030, 0xFFFFFF};
  file.pixel_data = {2, 1, 0, 0};
  EXPECT_EQ(decoded_pixels(file), (Pixels{0xFFFFFF, 0x102030, 0xAABBCC}));
  file.header_size = 40;
  file.colours_used = 3;
  file.pixel_offset = 14 + 40 + 3 * 4 + 10;
  EXPECT_EQ(decoded_pixels(file), (Pixels{0xFFFFFF, 0x102030, 0xAABBCC}));
}

TEST(BmpDecodeMasks, SixteenBitChannelsRoundToTheNearest8BitValue) {
  BmpFile file = rgb24_file(3, 1);
  file.bits = 16;
  // 5-5-5: (31, 31, 31) -> 255; blue 3 -> 25 (24.7) with the unused top bit set; blue 16 -> 132.
  file.pixel_data = {0xFF, 0x7F, 0x03, 0x80, 0x10, 0x00, 0, 0};
  EXPECT_EQ(decoded_pixels(file), (Pixels{0xFFFFFF, 0x000019, 0x000084}));
  // 5-6-5 masks after the header: (31, 63, 1) and (1, 32, 0).
  file.compression = bitfields;
  file.masks = {0xF800, 0x07E0, 0x001F};
  file.pixel_data = {0xE1, 0xFF, 0x00, 0x0C, 0, 0, 0, 0};
  EXPECT_EQ(decoded_pixels(file), (Pixels{0xFFFF08, 0x088200, 0}));
}

TEST(BmpDecodeMasks, ThirtyTwoBitMasksInAnyOrderInsideLongerHeaders) {
  BmpFile file = rgb24_file(1, 1);
  file.bits = 32;
  file.pixel_data = {0x33, 0x22, 0x11, 0xAB};  // no masks: the spare byte is ignored
  EXPECT_EQ(decoded_pixels(file), Pixels{0x112233});
  file.compression = bitfields;
  file.masks = {0x0000FF00, 0xFF000000, 0x00FF0000};
  file.pixel_data = {0x99, 0x11, 0x33, 0x22};
  for (const std::uint32_t header_size : {40u, 52u, 56u, 108u, 124u}) {
    file.header_size = header_size;
    EXPECT_EQ(decoded_pixels(file), Pixels{0x112233}) << header_size;
  }
}

BmpFile run_length_file(int width, int height, std::uint32_t compression, std::vector<std::uint8_t> stream) {
  BmpFile file;
  file.width = width;
  file.height = height;
  file.bits = compression == rle8 ? 8 : 4;
  file.compression = compression;
  file.colours_used = 5;
  file.palette = {0x800080, 0x111111, 0x222222, 0x333333, 0x444444};
  file.pixel_data = std::move(stream);
  return file;
}

// Palette colours of run_length_file; o, colour 0, is what skipped pixels show.
constexpr std::uint32_t o = 0x800080, a = 0x111111, b = 0x222222, c = 0x333333, d = 0x444444;

TEST(BmpDecodeRle, RunsLiteralsDeltasAndLineEnds) {
  EXPECT_EQ(decoded_pixels(run_length_file(6, 3, rle8,
                                           {3, 1, 0, 3, 2, 3, 1, 0,  // bottom row: run, padded literal
                                            0, 0, 0, 2, 2, 0, 2, 3,  // end of line, skip two, run
                                            0, 0, 0, 1})),           // end of line, end of picture
            (Pixels{o, o, o, o, o, o, o, o, c, c, o, o, a, a, a, b, c, a}));
  EXPECT_EQ(decoded_pixels(run_length_file(5, 2, rle4, {5, 0x12, 0, 0, 0, 3, 0x31, 0x40, 0, 1})),
            (Pixels{c, a, d, o, o, a, b, a, b, a}));
}

TEST(BmpDecodeRle, DecodesAsFarAsTheDataIsValid) {
  // A run past the row's end is cut off, not wrapped.
  EXPECT_EQ(decoded_pixels(run_length_file(4, 2, rle8, {10, 1, 0, 0, 1, 2, 0, 1})), (Pixels{b, o, o, o, a, a, a, a}));
  // A literal that breaks off with the file.
  EXPECT_EQ(decoded_pixels(run_length_file(4, 1, rle8, {1, 2, 0, 5, 1})), (Pixels{b, a, o, o}));
  // A delta beyond the last row ends the picture.
  EXPECT_EQ(decoded_pixels(run_length_file(2, 2, rle8, {0, 2, 0, 200, 2, 1})), (Pixels{o, o, o, o}));
}

TEST(BmpDecodeRefuses, MalformedHeaders) {
  const std::vector<std::pair<const char*, std::function<void(BmpFile&)>>> cases = {
      {"unknown header size", [](BmpFile& f) { f.header_size = 66; }},
      {"two planes", [](BmpFile& f) { f.planes = 2; }},
      {"0 bits", [](BmpFile& f) { f.bits = 0; }},
      {"3 bits", [](BmpFile& f) { f.bits = 3; }},
      {"64 bits", [](BmpFile& f) { f.bits = 64; }},
      {"30000 bits", [](BmpFile& f) { f.bits = 30000; }},
      {"RLE8 with 4 bits", [](BmpFile& f) { f.compression = rle8, f.bits = 4; }},
      {"RLE4 with 8 bits", [](BmpFile& f) { f.compression = rle4, f.bits = 8; }},
      {"bitfields with 24 bits", [](BmpFile& f) { f.compression = bitfields, f.masks = {0xFF, 0xFF00, 0xFF0000}; }},
      {"scattered mask", [](BmpFile& f) { f.compression = bitfields, f.bits = 32, f.masks = {0xF0F0, 0xF00, 0xF}; }},
      {"JPEG inside", [](BmpFile& f) { f.compression = 4; }},
      {"top-down RLE", [](BmpFile& f) { f.compression = rle8, f.bits = 8, f.height = -2; }},
      {"pixel offset inside the headers", [](BmpFile& f) { f.pixel_offset = 20; }},
      {"zero width", [](BmpFile& f) { f.width = 0; }},
      {"zero height", [](BmpFile& f) { f.height = 0; }},
      {"negative width", [](BmpFile& f) { f.width = -2; }},
      {"lowest height", [](BmpFile& f) { f.height = INT_MIN; }},
  };
  for (const auto& [what, spoil] : cases) {
    BmpFile file = rgb24_file(2, 2);
    spoil(file);
    EXPECT_FALSE(decode(file)) << what;
  }
  const auto good = rgb24_file(2, 2).bytes();
  EXPECT_FALSE(platform::decode_bmp(good.data(), 30));  // cut inside the header
  auto spoilt = good;
  spoilt[1] = 'X';
  EXPECT_FALSE(platform::decode_bmp(spoilt.data(), spoilt.size()));
  spoilt = good;
  spoilt[10] = static_cast<std::uint8_t>(good.size() + 1);  // pixel offset past the end
  EXPECT_FALSE(platform::decode_bmp(spoilt.data(), spoilt.size()));
  EXPECT_FALSE(platform::decode_bmp(nullptr, 0));
}

TEST(BmpDecodeRefuses, AbsurdSizesBeforeAllocatingAnything) {
  // Run-length data claims any size in a few bytes; allocating for these would throw.
  for (const auto& [width, height] :
       std::vector<std::pair<int, int>>{{100000, 100000}, {65536, 65536}, {INT_MAX, 2}, {2, INT_MAX}, {5000, 5000}})
    EXPECT_FALSE(decode(run_length_file(width, height, rle8, {0, 1}))) << width << "x" << height;
  // Within the pixel cap, uncompressed data must still be in the file.
  BmpFile file = rgb24_file(1, 1);
  file.width = file.height = 4000;
  EXPECT_FALSE(decode(file));
}

}  // namespace
