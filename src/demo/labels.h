#pragma once
// Words on the demo's pictures, drawn with the program's own fonts: at their size, or scaled
// (a half-size label for a narrow button, a big title) by resampling the glyphs' coverage.
#include <string>
#include <string_view>

#include "demo/canvas.h"
#include "platform/text/text_output.h"

namespace demo {

// The Windows-1252 bytes of a UTF-8 text (the demo's texts use Latin-1 letters only; any other
// character becomes '?').
std::string windows_1252(std::string_view utf8);

// Width in pixels of a label of `utf8` in `font` at `scale`.
double label_width(std::string_view utf8, platform::FontId font, double scale = 1);
double label_height(platform::FontId font, double scale = 1);

// The top-left corner of the label's first cell at (x, y).
void draw_label(Surface& s, double x, double y, std::string_view utf8, platform::FontId font, Rgb colour,
                double scale = 1);
// Centred on (cx, cy).
void draw_label_centred(Surface& s, double cx, double cy, std::string_view utf8, platform::FontId font,
                        Rgb colour, double scale = 1);
// Centred, over a copy of itself shifted by (1, 1) in `shadow`.
void draw_label_with_shadow(Surface& s, double cx, double cy, std::string_view utf8, platform::FontId font,
                            Rgb colour, Rgb shadow, double scale = 1);

}  // namespace demo
