// Placing pictures on surfaces: 1:1 copies with clipping, stretching, loading page pictures,
// pictures of any size read in pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <filesystem>

#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_placement.h"
#include "reference_placement.h"
#include "support/bmp_writer.h"
#include "support/temp_dir.h"

namespace {

using bmp_test::rgb_of;
using platform::Bitmap;
using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

constexpr Rgb marker{10, 20, 30};
constexpr int page_width = platform::screen_width, page_height = platform::screen_height;

// Pixel values that name their own position: x in the low 11 bits, y above.
std::uint32_t position_colour(int x, int y) { return static_cast<std::uint32_t>(x | (y << 11)); }
int source_x(Rgb c) { return ((c.r << 16) | (c.g << 8) | c.b) & 0x7FF; }
int source_y(Rgb c) { return ((c.r << 16) | (c.g << 8) | c.b) >> 11; }

Bitmap position_bitmap(int width, int height) {
  Bitmap b{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.pixels.push_back(position_colour(x, y));
  return b;
}

std::vector<std::uint8_t> bmp24_bytes(const Bitmap& b) {
  test_support::BmpFile file;
  file.width = b.width;
  file.height = b.height;
  file.pixel_data = test_support::stored_rows(b.width, b.height, 24, [&b](int x, int y) { return b.at(x, y); });
  return file.bytes();
}

// The decoder's own placements, from a file's bytes in memory.
void copy_1to1(Surface& s, const Bitmap& b, int x, int y) {
  const auto bytes = bmp24_bytes(b);
  platform::MemoryBmpSource source(bytes.data(), bytes.size());
  platform::place_picture_1to1(*platform::read_bmp_layout(source), source, s, x, y);
}

void stretch(Surface& s, const Bitmap& b) {
  const auto bytes = bmp24_bytes(b);
  platform::MemoryBmpSource source(bytes.data(), bytes.size());
  platform::stretch_picture(*platform::read_bmp_layout(source), source, s);
}

Surface marked_surface(int width, int height, PixelFormat format = PixelFormat::xrgb8888) {
  auto s = platform::make_surface(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) platform::write_pixel(s, x, y, marker);
  return s;
}

// Every surface pixel holds the bitmap's pixel where the bitmap lands at (x, y), else the marker.
void expect_copied_at(const Surface& s, const Bitmap& b, int x, int y) {
  auto expected = marked_surface(s.width, s.height, s.format);
  bmp_test::reference_copy_1to1(expected, b, x, y);
  EXPECT_EQ(s.pixels, expected.pixels) << "bitmap at " << x << "," << y;
}

// 0xFF7F0F and 0x0804FF keep the top 5-6-5 bits of each channel.
const std::vector<std::uint16_t> truncated_565 = {(0x1F << 11) | (0x1F << 5) | 0x01, (0x01 << 11) | (0x01 << 5) | 0x1F};

std::vector<std::uint16_t> rgb565_pixels(const Surface& s) {
  std::vector<std::uint16_t> v(s.pixels.size() / 2);
  std::memcpy(v.data(), s.pixels.data(), s.pixels.size());
  return v;
}

TEST(BmpCopy1to1, ClipsAtEveryEdgeAndFarOutsideWithoutOverflow) {
  const Bitmap b = position_bitmap(4, 3);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {5, 4}, {-2, 4}, {14, 4}, {6, -1}, {6, 11}, {-2, -1}, {14, -1}, {-2, 11}, {14, 11}, {-4, 0}, {16, 0},
           {0, 12}, {0, -3}, {INT_MAX, 0}, {0, INT_MAX}, {INT_MIN, 0}, {0, INT_MIN}, {INT_MAX, INT_MAX},
           {INT_MIN, INT_MIN}, {INT_MAX - 2, 5}}) {
    auto s = marked_surface(16, 12);
    copy_1to1(s, b, x, y);
    expect_copied_at(s, b, x, y);
  }
  auto small = marked_surface(2, 2);
  copy_1to1(small, position_bitmap(6, 6), -2, -3);
  expect_copied_at(small, position_bitmap(6, 6), -2, -3);
}

TEST(BmpCopy1to1, OpaqueBlackIncludedAndTruncatedOntoRgb565) {
  auto s = marked_surface(4, 4);
  const Bitmap black{2, 2, std::vector<std::uint32_t>(4, 0)};
  copy_1to1(s, black, 1, 1);
  expect_copied_at(s, black, 1, 1);
  auto s565 = platform::make_surface(2, 1, PixelFormat::rgb565);
  copy_1to1(s565, Bitmap{2, 1, {0xFF7F0F, 0x0804FF}}, 0, 0);
  EXPECT_EQ(rgb565_pixels(s565), truncated_565);
}

TEST(BmpStretch, OneExtraColumnOrRowIsDroppedByNearestSampling) {
  for (const auto& [width, height] : std::vector<std::pair<int, int>>{{1025, 768}, {1024, 769}}) {
    auto s = marked_surface(page_width, page_height);
    stretch(s, position_bitmap(width, height));
    // Along each line the source position steps by 1, except once by 2 over the extra line.
    int column_skips = 0, row_skips = 0;
    for (int i = 1; i < page_width; ++i) {
      const int step = source_x(platform::read_pixel(s, i, 400)) - source_x(platform::read_pixel(s, i - 1, 400));
      ASSERT_TRUE(step == 1 || step == 2);
      column_skips += step == 2;
    }
    for (int i = 1; i < page_height; ++i) {
      const int step = source_y(platform::read_pixel(s, 600, i)) - source_y(platform::read_pixel(s, 600, i - 1));
      ASSERT_TRUE(step == 1 || step == 2);
      row_skips += step == 2;
    }
    EXPECT_EQ(column_skips, width - page_width);
    EXPECT_EQ(row_skips, height - page_height);
    EXPECT_EQ(platform::read_pixel(s, 0, 0), rgb_of(position_colour(0, 0)));
    EXPECT_EQ(platform::read_pixel(s, page_width - 1, page_height - 1), rgb_of(position_colour(width - 1, height - 1)));
  }
}

TEST(BmpStretch, EnlargesAndShrinksByTakingTheNearestSourcePixel) {
  auto big = marked_surface(4, 4);
  stretch(big, position_bitmap(2, 2));
  auto small = marked_surface(2, 2);
  stretch(small, position_bitmap(6, 6));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(platform::read_pixel(big, x, y), rgb_of(position_colour(x / 2, y / 2)));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(platform::read_pixel(small, x, y), rgb_of(position_colour(3 * x + 1, 3 * y + 1)));
}

std::string position_file(int width, int height) {
  test_support::BmpFile file;
  file.width = width;
  file.height = height;
  file.pixel_data = test_support::stored_rows(width, height, 24, position_colour);
  return file.text();
}

class BmpLoadOntoSurface : public ::testing::Test {
 protected:
  std::string file(const std::string& name, const std::string& bytes) {
    dir_.write(name, bytes);
    return dir_.file(name);
  }
  test_support::TempDir dir_;
};

TEST_F(BmpLoadOntoSurface, PicturesUpToPageSizeGoTopLeftAndLeaveTheRest) {
  auto page = marked_surface(page_width, page_height);
  ASSERT_TRUE(platform::load_bmp_file_onto_surface(file("page.bmp", position_file(800, 600)), page));
  expect_copied_at(page, position_bitmap(800, 600), 0, 0);
  auto small = marked_surface(7, 5);
  ASSERT_TRUE(platform::load_bmp_file_onto_surface(file("cut.bmp", position_file(10, 9)), small));
  expect_copied_at(small, position_bitmap(10, 9), 0, 0);
}

TEST_F(BmpLoadOntoSurface, LargerPicturesAreStretchedOverTheWholeSurface) {
  for (const auto& [width, height] : std::vector<std::pair<int, int>>{{1025, 768}, {1024, 769}, {2047, 1536}}) {
    auto s = marked_surface(page_width, page_height);
    ASSERT_TRUE(platform::load_bmp_file_onto_surface(file("big.bmp", position_file(width, height)), s));
    auto expected = marked_surface(page_width, page_height);
    bmp_test::reference_stretch(expected, width, height, position_colour);
    EXPECT_EQ(s.pixels, expected.pixels) << width << "x" << height;
  }
}

TEST_F(BmpLoadOntoSurface, Rgb565TargetAndRunLengthPictures) {
  test_support::BmpFile rgb;
  rgb.width = 2;
  rgb.pixel_data = {0x0F, 0x7F, 0xFF, 0xFF, 0x04, 0x08, 0, 0};
  auto s565 = platform::make_surface(2, 1, PixelFormat::rgb565);
  ASSERT_TRUE(platform::load_bmp_file_onto_surface(file("rgb.bmp", rgb.text()), s565));
  EXPECT_EQ(rgb565_pixels(s565), truncated_565);

  test_support::BmpFile rle;
  rle.width = 3;
  rle.height = 2;
  rle.bits = 8;
  rle.compression = 1;
  rle.colours_used = 2;
  rle.palette = {0x000000, 0x00FF00};
  rle.pixel_data = {3, 1, 0, 0, 1, 1, 0, 1};
  auto s = marked_surface(8, 8);
  ASSERT_TRUE(platform::load_bmp_file_onto_surface(file("rle.bmp", rle.text()), s));
  expect_copied_at(s, Bitmap{3, 2, {0x00FF00, 0, 0, 0x00FF00, 0x00FF00, 0x00FF00}}, 0, 0);
}

TEST_F(BmpLoadOntoSurface, MissingOrRefusedFileLeavesTheSurfaceUntouched) {
  std::string truncated = position_file(4, 4);
  truncated.resize(truncated.size() - 8);
  std::filesystem::create_directory(dir_.path() / "folder.bmp");
  const auto before = marked_surface(8, 8);
  for (const std::string& path : {dir_.file("missing.bmp"), file("truncated.bmp", truncated), file("empty.bmp", ""),
                                  file("text.bmp", "not a picture at all"), dir_.file("folder.bmp")}) {
    auto s = before;
    EXPECT_FALSE(platform::load_bmp_file_onto_surface(path, s)) << path;
    EXPECT_EQ(s.pixels, before.pixels) << path;
    EXPECT_FALSE(platform::load_bmp_file(path)) << path;
    EXPECT_FALSE(platform::BmpFile::open(path)) << path;
  }
}

TEST_F(BmpLoadOntoSurface, AFileCutShortAfterItsHeadersWereReadReportsFailure) {
  const std::string path = file("box.bmp", position_file(40, 30));
  const auto box = platform::BmpFile::open(path);
  ASSERT_TRUE(box);
  std::filesystem::resize_file(path, 100);
  auto s = marked_surface(64, 64);
  EXPECT_FALSE(box->copy_1to1(s, 3, 3));
}

// Counts what a placement asks of the file.
class CountingSource final : public platform::BmpSource {
 public:
  explicit CountingSource(const std::vector<std::uint8_t>& bytes) : inner_(bytes.data(), bytes.size()) {}
  std::uint64_t size() const override { return inner_.size(); }
  const std::uint8_t* bytes(std::uint64_t offset, std::size_t length) override {
    total += length;
    largest = std::max(largest, length);
    return inner_.bytes(offset, length);
  }
  std::uint64_t total = 0;
  std::size_t largest = 0;

 private:
  platform::MemoryBmpSource inner_;
};

// A 1-bit picture of more pixels than a whole decode takes: stored byte i of stored row r is
// (r * 37 + i * 11) & 255.
TEST(BmpBeyondWholeDecoding, IsStretchedReadingOnlyTheRowsShown) {
  constexpr int width = 8192, height = 2100, stride = width / 8;
  constexpr std::uint32_t dark = 0x102030, light = 0xF0E0D0;
  test_support::BmpFile picture;
  picture.width = width;
  picture.height = height;
  picture.bits = 1;
  picture.palette = {dark, light};
  picture.pixel_data.resize(std::size_t{stride} * height);
  for (std::size_t i = 0; i < picture.pixel_data.size(); ++i)
    picture.pixel_data[i] = static_cast<std::uint8_t>((i / stride) * 37 + (i % stride) * 11);
  const auto bytes = picture.bytes();
  EXPECT_FALSE(platform::decode_bmp(bytes.data(), bytes.size()));

  CountingSource source(bytes);
  const auto layout = platform::read_bmp_layout(source);
  ASSERT_TRUE(layout);
  source.total = source.largest = 0;  // the pixels' reads only
  auto s = marked_surface(page_width, page_height);
  platform::place_page_picture(*layout, source, s);
  auto expected = marked_surface(page_width, page_height);
  bmp_test::reference_stretch(expected, width, height, [](int x, int y) {
    const int stored_row = height - 1 - y;
    const auto byte = static_cast<std::uint8_t>(stored_row * 37 + (x / 8) * 11);
    return (byte >> (7 - x % 8)) & 1 ? light : dark;
  });
  EXPECT_EQ(s.pixels, expected.pixels);
  EXPECT_LE(source.largest, std::size_t{stride}) << "a piece larger than a row";
  EXPECT_EQ(source.total, std::uint64_t{page_height} * stride) << "not just the rows shown";
}

// Run-length data declares any size in a few bytes; one pass over it places the picture.
TEST(BmpBeyondWholeDecoding, RunLengthPicturesOfAnyDeclaredSizeAreStretched) {
  constexpr std::uint32_t o = 0x800080, a = 0x111111;
  test_support::BmpFile picture;
  picture.bits = 8;
  picture.compression = 1;
  picture.palette = {o, a};
  // 100 times the page each way: the page shows every hundredth pixel from the 50th, so its
  // bottom row shows picture row 49 from the bottom. Up 49 rows, then a run of 151 pixels.
  picture.width = 100 * page_width;
  picture.height = 100 * page_height;
  picture.pixel_data = {0, 2, 0, 49, 151, 1, 0, 1};
  auto bytes = picture.bytes();
  EXPECT_FALSE(platform::decode_bmp(bytes.data(), bytes.size()));
  auto s = marked_surface(page_width, page_height);
  ASSERT_TRUE(platform::place_bmp_onto_surface(bytes.data(), bytes.size(), s));
  auto expected = marked_surface(page_width, page_height);
  bmp_test::reference_stretch(expected, 1, 1, [o](int, int) { return o; });
  platform::write_pixel(expected, 0, page_height - 1, rgb_of(a));
  platform::write_pixel(expected, 1, page_height - 1, rgb_of(a));
  EXPECT_EQ(s.pixels, expected.pixels);

  for (const auto& [width, height] : std::vector<std::pair<int, int>>{{INT_MAX, 2}, {2, INT_MAX}, {INT_MAX, INT_MAX}}) {
    picture.width = width;
    picture.height = height;
    picture.pixel_data = {0, 1};
    bytes = picture.bytes();
    auto plain = marked_surface(page_width, page_height);
    ASSERT_TRUE(platform::place_bmp_onto_surface(bytes.data(), bytes.size(), plain)) << width << "x" << height;
    bmp_test::reference_stretch(expected, 1, 1, [o](int, int) { return o; });
    EXPECT_EQ(plain.pixels, expected.pixels) << width << "x" << height;
  }
}

}  // namespace
