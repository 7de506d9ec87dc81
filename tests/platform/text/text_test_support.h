#pragma once
// Rendering helpers shared by the text tests.
#include <algorithm>
#include <ostream>
#include <string_view>
#include <vector>

#include "platform/display/surface.h"
#include "platform/text/text_output.h"

namespace platform {

inline void PrintTo(const Rgb& c, std::ostream* out) {
  *out << '(' << c.r << ',' << c.g << ',' << c.b << ')';
}

}  // namespace platform

namespace text_test {

using platform::FontId;
using platform::Rgb;
using platform::Surface;

inline constexpr FontId all_fonts[] = {FontId::system_font, FontId::font_small, FontId::font_medium,
                                       FontId::font_large};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};

inline Surface filled_surface(int width, int height, Rgb colour,
                              platform::PixelFormat format = platform::PixelFormat::xrgb8888) {
  Surface s = platform::make_surface(width, height, format);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) platform::write_pixel(s, x, y, colour);
  return s;
}

inline void draw(Surface& s, int x, int y, FontId font, std::string_view text, Rgb colour = white,
                 bool opaque = false) {
  platform::draw_text(s, x, y, font, colour, opaque, text.data(), static_cast<int>(text.size()));
}

// Bounding box of the pixels that differ from the background; empty when none do.
struct Box {
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool empty() const { return x1 <= x0 || y1 <= y0; }
};

inline Box ink_box(const Surface& s, Rgb background) {
  Box box{s.width, s.height, 0, 0};
  for (int y = 0; y < s.height; ++y)
    for (int x = 0; x < s.width; ++x)
      if (!(platform::read_pixel(s, x, y) == background)) {
        box.x0 = std::min(box.x0, x);
        box.y0 = std::min(box.y0, y);
        box.x1 = std::max(box.x1, x + 1);
        box.y1 = std::max(box.y1, y + 1);
      }
  return box;
}

inline std::vector<Rgb> crop(const Surface& s, int x, int y, int width, int height) {
  std::vector<Rgb> out;
  for (int row = y; row < y + height; ++row)
    for (int col = x; col < x + width; ++col) out.push_back(platform::read_pixel(s, col, row));
  return out;
}

// One character drawn alone in white on black, with its cell at (0, 0).
inline std::vector<Rgb> character_cell(FontId font, std::string_view character) {
  const int advance = platform::font_advance(font);
  const int height = platform::font_line_height(font);
  Surface s = filled_surface(advance * 3, height * 3, black);
  draw(s, advance, height, font, character);
  return crop(s, 0, 0, s.width, s.height);
}

}  // namespace text_test
