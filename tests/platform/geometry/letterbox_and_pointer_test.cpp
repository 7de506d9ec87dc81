#include <gtest/gtest.h>

#include <limits>

#include "platform/geometry/letterbox.h"
#include "platform/geometry/pointer_follower.h"

namespace {

using platform::fit_frame;
using platform::Letterbox;
using platform::PointerFollower;

void expect_box(const Letterbox& box, int x, int y, int width, int height, bool integer_scale) {
  EXPECT_EQ(box.x, x);
  EXPECT_EQ(box.y, y);
  EXPECT_EQ(box.width, width);
  EXPECT_EQ(box.height, height);
  EXPECT_EQ(box.integer_scale, integer_scale);
}

TEST(Letterbox, TheLargestFitIsCentredAndCrispOnlyAtWholeScales) {
  expect_box(fit_frame(1024, 768), 0, 0, 1024, 768, true);
  expect_box(fit_frame(2048, 1536), 0, 0, 2048, 1536, true);
  expect_box(fit_frame(1920, 1080), 240, 0, 1440, 1080, false);
  expect_box(fit_frame(2560, 1600), 213, 0, 2133, 1600, false);
  expect_box(fit_frame(1000, 1000), 0, 125, 1000, 750, false);
  expect_box(fit_frame(2048, 1600), 0, 32, 2048, 1536, true);
  expect_box(fit_frame(0, 768), 0, 0, 0, 0, false);
}

TEST(Letterbox, OutputPointsMapOntoFramePixelsAndBarsLieOutside) {
  const Letterbox box = fit_frame(1920, 1080);
  const platform::FramePoint corner = frame_point(box, 240, 0);
  EXPECT_DOUBLE_EQ(corner.x, 0);
  EXPECT_DOUBLE_EQ(corner.y, 0);
  const platform::FramePoint last = frame_point(box, 1679.9, 1079.9);
  EXPECT_EQ(static_cast<int>(last.x), 1023);
  EXPECT_EQ(static_cast<int>(last.y), 767);
  EXPECT_TRUE(covers(box, 240, 0));
  EXPECT_FALSE(covers(box, 239, 500));
  EXPECT_FALSE(covers(box, 1680, 500));
}

// The program's own rule: doubled counts, stopped at 0..1007 and 0..751.
TEST(PointerFollower, CountsLandTheProgramsPointerWithinOnePixelOfTheSystemPointer) {
  PointerFollower pointer;
  EXPECT_EQ(pointer.x(), 497);
  EXPECT_EQ(pointer.y(), 369);
  for (const auto& [x, y] : {std::pair{300.0, 200.0}, {301.5, 0.2}, {0.0, 751.0}, {1007.0, 10.0}, {498.0, 370.0}}) {
    const platform::Counts counts = pointer.counts_to(x, y);
    pointer.moved_x(counts.dx);
    pointer.moved_y(counts.dy);
    EXPECT_LE(std::abs(pointer.x() - static_cast<int>(x)), 1) << x;
    EXPECT_LE(std::abs(pointer.y() - static_cast<int>(y)), 1) << y;
  }
}

TEST(PointerFollower, PointsBeyondTheRangeAimAtItsEdgeAndHugeCountsStopThere) {
  PointerFollower pointer;
  platform::Counts counts = pointer.counts_to(5000, -300);
  pointer.moved_x(counts.dx);
  pointer.moved_y(counts.dy);
  EXPECT_GE(pointer.x(), 1006);
  EXPECT_LE(pointer.y(), 1);
  pointer.moved_x(std::numeric_limits<std::int32_t>::max());
  pointer.moved_y(std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(pointer.x(), 1007);
  EXPECT_EQ(pointer.y(), 0);
  counts = pointer.counts_to(1007, 0);
  EXPECT_EQ(counts.dx, 0);
  EXPECT_EQ(counts.dy, 0);
}

}  // namespace
