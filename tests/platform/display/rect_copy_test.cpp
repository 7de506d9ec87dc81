#include "platform/display/rect_copy.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "surface_painting.h"

namespace {

using display_test::fill;
using display_test::filled;
using display_test::patterned;
using display_test::same_pixels;
using platform::copy_rect;
using platform::copy_rect_keyed;
using platform::PixelFormat;
using platform::Rgb;
using platform::Surface;

constexpr Rgb black{0, 0, 0};
// Exact in rgb565 too, so it reads back unchanged in both formats.
constexpr Rgb grey{132, 130, 132};
constexpr int src_w = 40;
constexpr int src_h = 30;
constexpr int dst_w = 50;
constexpr int dst_h = 36;

// What a copy must leave: the destination as it was, with the source rectangle (read
// whole before any write) placed at (dx, dy), black left out when keyed.
Surface expected_after(const Surface& source, int sx, int sy, int w, int h, const Surface& before,
                       int dx, int dy, bool keyed) {
  const Surface taken = source;
  Surface out = before;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgb c = platform::read_pixel(taken, sx + x, sy + y);
      if (keyed && c == black) continue;
      platform::write_pixel(out, dx + x, dy + y, c);
    }
  return out;
}

class CopyInBothFormats : public ::testing::TestWithParam<PixelFormat> {
 protected:
  Surface source = patterned(src_w, src_h, GetParam());
  Surface destination = filled(dst_w, dst_h, GetParam(), grey);
};

TEST_P(CopyInBothFormats, OpaqueCopyInsideBothSurfacesMovesExactlyThatRectangle) {
  const Surface want = expected_after(source, 5, 6, 10, 7, destination, 20, 25, false);
  EXPECT_TRUE(copy_rect(&source, 5, 6, 10, 7, &destination, 20, 25));
  EXPECT_TRUE(same_pixels(destination, want));
}

TEST_P(CopyInBothFormats, RectangleTouchingEveryEdgeIsStillInside) {
  Surface target = filled(src_w, src_h, GetParam(), grey);
  EXPECT_TRUE(copy_rect(&source, 0, 0, src_w, src_h, &target, 0, 0));
  EXPECT_TRUE(same_pixels(target, source));

  const Surface want = expected_after(source, src_w - 3, src_h - 2, 3, 2, destination,
                                      dst_w - 3, dst_h - 2, false);
  EXPECT_TRUE(copy_rect(&source, src_w - 3, src_h - 2, 3, 2, &destination, dst_w - 3, dst_h - 2));
  EXPECT_TRUE(same_pixels(destination, want));
}

struct Placement {
  const char* what;
  int sx, sy, w, h, dx, dy;
};

// Each crosses one edge by a single pixel, or is empty.
const Placement refused_placements[] = {
    {"source left", -1, 0, 4, 4, 0, 0},
    {"source top", 0, -1, 4, 4, 0, 0},
    {"source right", src_w - 3, 0, 4, 4, 0, 0},
    {"source bottom", 0, src_h - 3, 4, 4, 0, 0},
    {"destination left", 0, 0, 4, 4, -1, 0},
    {"destination top", 0, 0, 4, 4, 0, -1},
    {"destination right", 0, 0, 4, 4, dst_w - 3, 0},
    {"destination bottom", 0, 0, 4, 4, 0, dst_h - 3},
    {"zero width", 0, 0, 0, 4, 0, 0},
    {"zero height", 0, 0, 4, 0, 0, 0},
    {"negative width", 8, 8, -4, 4, 8, 8},
    {"negative height", 8, 8, 4, -4, 8, 8},
    {"whole source onto too small a place", 0, 0, src_w, src_h, dst_w - src_w + 1, 0},
};

TEST_P(CopyInBothFormats, RectangleNotWhollyInsideDrawsNothing) {
  const Surface before = destination;
  for (const Placement& p : refused_placements) {
    EXPECT_FALSE(copy_rect(&source, p.sx, p.sy, p.w, p.h, &destination, p.dx, p.dy)) << p.what;
    EXPECT_FALSE(copy_rect_keyed(&source, p.sx, p.sy, p.w, p.h, &destination, p.dx, p.dy)) << p.what;
    EXPECT_EQ(destination.pixels, before.pixels) << p.what;
  }
}

TEST_P(CopyInBothFormats, ExtremeCoordinatesDrawNothingAndNeverOverflow) {
  source.color_key_black = true;
  const Surface before = destination;
  const Placement extremes[] = {
      {"max x", INT_MAX, 0, 1, 1, 0, 0},
      {"max width", 1, 0, INT_MAX, 1, 0, 0},
      {"max x and width", INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX},
      {"min x", INT_MIN, 0, 4, 4, 0, 0},
      {"min x, max width", INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0},
      {"min width", 0, 0, INT_MIN, INT_MIN, 0, 0},
      {"destination max", 0, 0, 4, 4, INT_MAX - 1, INT_MAX - 1},
      {"destination min", 0, 0, 4, 4, INT_MIN, INT_MIN},
  };
  for (const Placement& p : extremes) {
    EXPECT_FALSE(copy_rect(&source, p.sx, p.sy, p.w, p.h, &destination, p.dx, p.dy)) << p.what;
    EXPECT_FALSE(copy_rect_keyed(&source, p.sx, p.sy, p.w, p.h, &destination, p.dx, p.dy)) << p.what;
  }
  EXPECT_EQ(destination.pixels, before.pixels);
}

TEST_P(CopyInBothFormats, MissingOrLostSurfaceDrawsNothing) {
  source.color_key_black = true;
  const Surface before = destination;
  EXPECT_FALSE(copy_rect(nullptr, 0, 0, 4, 4, &destination, 0, 0));
  EXPECT_FALSE(copy_rect_keyed(nullptr, 0, 0, 4, 4, &destination, 0, 0));
  EXPECT_FALSE(copy_rect(&source, 0, 0, 4, 4, nullptr, 0, 0));
  EXPECT_FALSE(copy_rect_keyed(&source, 0, 0, 4, 4, nullptr, 0, 0));

  source.lost = true;
  EXPECT_FALSE(copy_rect(&source, 0, 0, 4, 4, &destination, 0, 0));
  source.lost = false;
  destination.lost = true;
  EXPECT_FALSE(copy_rect_keyed(&source, 0, 0, 4, 4, &destination, 0, 0));
  destination.lost = false;
  EXPECT_EQ(destination.pixels, before.pixels);
}

TEST_P(CopyInBothFormats, KeyedCopyOfAllBlackLeavesDestinationAndOpaqueBlackensIt) {
  Surface dark = filled(src_w, src_h, GetParam(), black);
  dark.color_key_black = true;
  const Surface before = destination;
  EXPECT_TRUE(copy_rect_keyed(&dark, 0, 0, 12, 9, &destination, 3, 4));
  EXPECT_EQ(destination.pixels, before.pixels);

  EXPECT_TRUE(copy_rect(&dark, 0, 0, 12, 9, &destination, 3, 4));
  EXPECT_TRUE(same_pixels(destination, expected_after(dark, 0, 0, 12, 9, before, 3, 4, false)));
  EXPECT_EQ(platform::read_pixel(destination, 3, 4), black);
  EXPECT_EQ(platform::read_pixel(destination, 14, 12), black);
  EXPECT_EQ(platform::read_pixel(destination, 15, 12), grey);
}

TEST_P(CopyInBothFormats, KeyedCopyTakesColouredPixelsAndLeavesBlackOut) {
  for (int y = 0; y < src_h; ++y)
    for (int x = 0; x < src_w; ++x)
      if ((x + y) % 3 == 0) platform::write_pixel(source, x, y, black);
  source.color_key_black = true;
  const Surface want = expected_after(source, 1, 2, 33, 21, destination, 9, 8, true);
  EXPECT_TRUE(copy_rect_keyed(&source, 1, 2, 33, 21, &destination, 9, 8));
  EXPECT_TRUE(same_pixels(destination, want));
}

TEST_P(CopyInBothFormats, KeyedCopyFromSourceWithoutColourKeyDrawsNothing) {
  const Surface before = destination;
  EXPECT_FALSE(copy_rect_keyed(&source, 0, 0, 8, 8, &destination, 0, 0));
  EXPECT_EQ(destination.pixels, before.pixels);
}

struct Shift {
  int dx, dy;
};

// Moves in every direction, by one pixel (heavy overlap) and by more than the width.
const Shift shifts[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {3, 2}, {-2, -3}, {20, 0}, {0, 0}};

TEST_P(CopyInBothFormats, CopyWithinOneSurfaceReadsSourceBeforeWriting) {
  for (const bool keyed : {false, true}) {
    for (const Shift& s : shifts) {
      Surface canvas = patterned(src_w, src_h, GetParam());
      for (int x = 0; x < src_w; x += 4) platform::write_pixel(canvas, x, 10, black);
      canvas.color_key_black = true;
      const int sx = 8, sy = 6, w = 11, h = 11;
      const Surface want = expected_after(canvas, sx, sy, w, h, canvas, sx + s.dx, sy + s.dy, keyed);
      const bool copied = keyed ? copy_rect_keyed(&canvas, sx, sy, w, h, &canvas, sx + s.dx, sy + s.dy)
                                : copy_rect(&canvas, sx, sy, w, h, &canvas, sx + s.dx, sy + s.dy);
      EXPECT_TRUE(copied);
      EXPECT_TRUE(same_pixels(canvas, want)) << "keyed " << keyed << " shift " << s.dx << "," << s.dy;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, CopyInBothFormats,
                         ::testing::Values(PixelFormat::xrgb8888, PixelFormat::rgb565),
                         [](const auto& info) {
                           return info.param == PixelFormat::xrgb8888 ? "xrgb8888" : "rgb565";
                         });

TEST(CopyBetweenFormats, DifferentPixelFormatsDrawNothing) {
  Surface source = patterned(8, 8, PixelFormat::rgb565);
  source.color_key_black = true;
  Surface destination = filled(8, 8, PixelFormat::xrgb8888, grey);
  const Surface before = destination;
  EXPECT_FALSE(copy_rect(&source, 0, 0, 8, 8, &destination, 0, 0));
  EXPECT_FALSE(copy_rect_keyed(&source, 0, 0, 8, 8, &destination, 0, 0));
  EXPECT_EQ(destination.pixels, before.pixels);
}

// Wide enough for the vector loop's steps and the plain loop's rest.
TEST(KeyedCopy, TopByteOfA32BitPixelDoesNotMakeItColoured) {
  constexpr int width = 19;
  Surface source = platform::make_surface(width, 1, PixelFormat::xrgb8888);
  const std::uint32_t top_only = 0xFF000000u;
  const std::uint32_t blue_with_top = 0xFF0000FFu;
  for (int x = 0; x < width; ++x) std::memcpy(source.row(0) + 4 * x, x % 3 ? &blue_with_top : &top_only, 4);
  source.color_key_black = true;
  Surface destination = filled(width, 1, PixelFormat::xrgb8888, grey);
  EXPECT_TRUE(copy_rect_keyed(&source, 0, 0, width, 1, &destination, 0, 0));
  for (int x = 0; x < width; ++x) {
    std::uint32_t copied = 0;
    std::memcpy(&copied, destination.row(0) + 4 * x, 4);
    if (x % 3)
      EXPECT_EQ(copied, blue_with_top) << x;
    else
      EXPECT_EQ(platform::read_pixel(destination, x, 0), grey) << x;
  }
}

TEST(WholeFrameCopy, FullScreenCopiesEveryPixelInBothDirections) {
  Surface frame = patterned(platform::screen_width, platform::screen_height, PixelFormat::xrgb8888);
  Surface target = filled(platform::screen_width, platform::screen_height, PixelFormat::xrgb8888, grey);
  EXPECT_TRUE(copy_rect(&frame, 0, 0, platform::screen_width, platform::screen_height, &target, 0, 0));
  EXPECT_EQ(target.pixels, frame.pixels);

  fill(frame, grey);
  frame.color_key_black = true;
  platform::write_pixel(frame, 100, 100, black);
  EXPECT_TRUE(copy_rect_keyed(&frame, 0, 0, platform::screen_width, platform::screen_height,
                              &target, 0, 0));
  EXPECT_EQ(platform::read_pixel(target, 99, 100), grey);
  EXPECT_EQ(platform::read_pixel(target, 100, 100), display_test::pattern_colour(100, 100));
}

TEST(MalformedSurface, StoreShorterThanItsSizeTakesNoCopy) {
  Surface source = patterned(16, 16, PixelFormat::xrgb8888);
  Surface truncated = filled(16, 16, PixelFormat::xrgb8888, grey);
  truncated.pixels.resize(truncated.pixels.size() / 2);
  EXPECT_FALSE(copy_rect(&source, 0, 0, 16, 16, &truncated, 0, 0));
  EXPECT_FALSE(copy_rect(&truncated, 0, 12, 4, 4, &source, 0, 0));
}

}  // namespace
