#pragma once
// Golden screens: tests/golden/NAME.png holds what a screen must look like, pixel for pixel.
// Run the tests with ROZEVA_REFRESH_GOLDEN=1 in the environment to write the pictures anew
// instead of comparing. On a difference, NAME.actual.png (what the test saw) and
// NAME.diff.png (the differing pixels in magenta over a dimmed expected picture) are written
// beside the expected one.
#include <string>

#include "platform/display/surface.h"

namespace test_support {

struct ScreenArea {
  int x = 0, y = 0, width = platform::screen_width, height = platform::screen_height;
};

void expect_golden(const platform::Surface& frame, const std::string& name, ScreenArea area = {});

}  // namespace test_support
