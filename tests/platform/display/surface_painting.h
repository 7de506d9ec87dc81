#pragma once
// Pixel helpers for display tests: recognisable, never-black patterns and comparisons.
#include <gtest/gtest.h>

#include "platform/display/surface.h"

namespace display_test {

// A colour that differs from pixel to pixel and is never black in either format.
inline platform::Rgb pattern_colour(int x, int y) {
  return {(x * 8) & 255, (y * 4) & 255, 0x80 | ((x + y) & 0x7F)};
}

inline void paint_pattern(platform::Surface& s) {
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) platform::write_pixel(s, x, y, pattern_colour(x, y));
}

inline void fill(platform::Surface& s, platform::Rgb colour) {
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x) platform::write_pixel(s, x, y, colour);
}

inline platform::Surface patterned(int w, int h, platform::PixelFormat format) {
  platform::Surface s = platform::make_surface(w, h, format);
  paint_pattern(s);
  return s;
}

inline platform::Surface filled(int w, int h, platform::PixelFormat format, platform::Rgb colour) {
  platform::Surface s = platform::make_surface(w, h, format);
  fill(s, colour);
  return s;
}

// The first pixel where the two differ, as a readable failure.
inline ::testing::AssertionResult same_pixels(const platform::Surface& a, const platform::Surface& b) {
  if (a.width != b.width || a.height != b.height) return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      const platform::Rgb p = platform::read_pixel(a, x, y);
      const platform::Rgb q = platform::read_pixel(b, x, y);
      if (!(p == q))
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << "): " << p.r << ","
                                             << p.g << "," << p.b << " vs " << q.r << "," << q.g
                                             << "," << q.b;
    }
  return ::testing::AssertionSuccess();
}

}  // namespace display_test
