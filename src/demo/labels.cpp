#include "demo/labels.h"

#include <cmath>
#include <cstdint>

namespace demo {

namespace {

constexpr int samples_per_axis = 4;

// Coverage 0..1 of the glyphs, read from white text drawn on black.
double coverage_at(const Surface& glyphs, double x, double y) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  auto at = [&](int px, int py) { return platform::read_pixel(glyphs, px, py).g / 255.0; };
  const double top = at(ix, iy) * (1 - fx) + at(ix + 1, iy) * fx;
  const double bottom = at(ix, iy + 1) * (1 - fx) + at(ix + 1, iy + 1) * fx;
  return top * (1 - fy) + bottom * fy;
}

}  // namespace

std::string windows_1252(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
    } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      const unsigned code = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      out += code <= 0xFF ? static_cast<char>(code) : '?';
      i += 2;
    } else {
      out += '?';
      ++i;
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return out;
}

double label_width(std::string_view utf8, platform::FontId font, double scale) {
  return static_cast<double>(windows_1252(utf8).size()) * platform::font_advance(font) * scale;
}

double label_height(platform::FontId font, double scale) { return platform::font_line_height(font) * scale; }

void draw_label(Surface& s, double x, double y, std::string_view utf8, platform::FontId font, Rgb colour,
                double scale) {
  const std::string bytes = windows_1252(utf8);
  const int length = static_cast<int>(bytes.size());
  if (scale == 1 && x == std::floor(x) && y == std::floor(y)) {
    platform::draw_text(s, static_cast<int>(x), static_cast<int>(y), font, colour, false, bytes.data(), length);
    return;
  }
  const int width = length * platform::font_advance(font), height = platform::font_line_height(font);
  Surface glyphs = make_canvas(width + 2, height + 2);
  platform::draw_text(glyphs, 0, 0, font, {255, 255, 255}, false, bytes.data(), length);
  const int left = static_cast<int>(std::floor(x)), top = static_cast<int>(std::floor(y));
  const int right = static_cast<int>(std::ceil(x + width * scale)), bottom = static_cast<int>(std::ceil(y + height * scale));
  for (int py = top; py < bottom; ++py)
    for (int px = left; px < right; ++px) {
      double sum = 0;
      for (int sy = 0; sy < samples_per_axis; ++sy)
        for (int sx = 0; sx < samples_per_axis; ++sx) {
          const double gx = (px + (sx + 0.5) / samples_per_axis - x) / scale - 0.5;
          const double gy = (py + (sy + 0.5) / samples_per_axis - y) / scale - 0.5;
          sum += coverage_at(glyphs, gx, gy);
        }
      blend(s, px, py, colour, sum / (samples_per_axis * samples_per_axis));
    }
}

void draw_label_centred(Surface& s, double cx, double cy, std::string_view utf8, platform::FontId font,
                        Rgb colour, double scale) {
  const double x = std::round(cx - label_width(utf8, font, scale) / 2);
  const double y = std::round(cy - label_height(font, scale) / 2);
  draw_label(s, x, y, utf8, font, colour, scale);
}

void draw_label_with_shadow(Surface& s, double cx, double cy, std::string_view utf8, platform::FontId font,
                            Rgb colour, Rgb shadow, double scale) {
  draw_label_centred(s, cx + 1, cy + 1, utf8, font, shadow, scale);
  draw_label_centred(s, cx, cy, utf8, font, colour, scale);
}

}  // namespace demo
