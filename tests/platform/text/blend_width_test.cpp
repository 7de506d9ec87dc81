#include <gtest/gtest.h>

#include <string>

#include "platform/text/blend_width.h"
#include "text_test_support.h"

namespace {

using namespace text_test;

// Every byte value once, so every glyph width and overhang is blended.
std::string all_characters() {
  std::string text;
  for (int c = 32; c < 256; ++c) text += static_cast<char>(c);
  return text;
}

Surface textured(int width, int height) {
  Surface s = platform::make_surface(width, height, platform::PixelFormat::xrgb8888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) platform::write_pixel(s, x, y, {(x * 37) & 255, (y * 11) & 255, (x ^ y) & 255});
  return s;
}

struct NarrowBlend {
  NarrowBlend() { platform::force_narrow_text_blend(true); }
  ~NarrowBlend() { platform::force_narrow_text_blend(false); }
};

// Lines across the left edge, inside, and ending at every offset before the right edge, where
// a wide step has the least room.
TEST(TextBlendSteps, EightAndFourPixelStepsGiveTheSameBytes) {
  const std::string text = all_characters();
  const int lengths[] = {1, 2, 3, 5, 8, 13};
  for (FontId font : all_fonts) {
    SCOPED_TRACE(static_cast<int>(font));
    const int advance = platform::font_advance(font);
    const int width = 29 * advance + 3, height = 3 * platform::font_line_height(font);
    Surface wide = textured(width, height);
    Surface narrow = textured(width, height);
    auto draw_all = [&](Surface& s) {
      draw(s, -5, -3, font, text, {250, 10, 130});
      for (int n : lengths)
        for (int end = width - 9; end <= width; ++end)
          draw(s, end - n * advance, height / 3, font, text.substr(40, n), {20, 240, 60});
      draw(s, 7, height - 9, font, text.substr(100), {255, 255, 0}, true);
    };
    draw_all(wide);
    {
      NarrowBlend forced;
      draw_all(narrow);
    }
    EXPECT_EQ(narrow.pixels, wide.pixels);
  }
}

}  // namespace
