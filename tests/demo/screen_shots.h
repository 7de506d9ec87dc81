#pragma once
// Reading the headless runner's screen shots and comparing them with the book's own pictures.
#include <string>
#include <vector>

#include "platform/bmp/bmp.h"
#include "platform/display/surface.h"
#include "platform/text/text_output.h"

namespace shots {

using platform::Rgb;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  bool empty() const { return pixels.empty(); }
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// An 8-bit RGB PNG; empty when the file is missing or not such a PNG.
Image read_png(const std::string& path);
Image from_bitmap(const platform::Bitmap& bitmap);

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
};

// Pixels of `area` in the shot that differ from the same-sized area of `source` at
// (source_x, source_y); pixels inside any of `skip` are not compared.
int count_differences(const Image& shot, Rect area, const Image& source, int source_x, int source_y,
                      const std::vector<Rect>& skip = {});

// The part `area` of the image, as an image of its own.
Image crop(const Image& image, Rect area);
// The image with `text` (Windows-1252) drawn on it as the program draws text: transparent
// background, the first character cell's top-left corner at (x, y).
Image with_text(const Image& image, int x, int y, platform::FontId font, Rgb colour, const std::string& text);

// Script lines that put the pointer exactly on screen pixel (x, y). The program doubles every
// movement, so the pointer is first pushed against the edge that has the pixel's parity
// (0 and 1007 across, 0 and 751 down) and then moved from there.
std::string pointer_to(int x, int y);

}  // namespace shots
