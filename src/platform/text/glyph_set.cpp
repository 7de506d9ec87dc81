#include "platform/text/glyph_set.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

constexpr int pixel_bytes = 4;
constexpr std::uint32_t colour_bits = 0x00FFFFFF;

// Which bytes of a stored 32-bit pixel hold colour, in memory order.
std::array<bool, pixel_bytes> colour_bytes() {
  std::array<std::uint8_t, pixel_bytes> bytes{};
  std::memcpy(bytes.data(), &colour_bits, pixel_bytes);
  std::array<bool, pixel_bytes> used{};
  for (int i = 0; i < pixel_bytes; ++i) used[i] = bytes[i] != 0;
  return used;
}

void spread_coverage(GlyphBitmap& g) {
  const auto used = colour_bytes();
  g.padded_width = (g.width + coverage_row_pixels - 1) / coverage_row_pixels * coverage_row_pixels;
  g.byte_coverage.assign(static_cast<std::size_t>(g.padded_width) * pixel_bytes * g.height, 0);
  for (int y = 0; y < g.height; ++y)
    for (int x = 0; x < g.width; ++x)
      for (int b = 0; b < pixel_bytes; ++b)
        if (used[b])
          g.byte_coverage[(static_cast<std::size_t>(y) * g.padded_width + x) * pixel_bytes + b] =
              g.at(x, y);
}

}  // namespace

void finish_glyph_set(GlyphSet& set) {
  set.reach_left = 0;
  set.reach_top = 0;
  set.reach_right = set.advance;
  set.reach_bottom = set.line_height;
  for (GlyphBitmap& g : set.glyphs) {
    spread_coverage(g);
    if (g.empty()) continue;
    set.reach_left = std::min(set.reach_left, g.left);
    set.reach_top = std::min(set.reach_top, g.top);
    set.reach_right = std::max(set.reach_right, g.left + g.width);
    set.reach_bottom = std::max(set.reach_bottom, g.top + g.height);
  }
}

}  // namespace platform
