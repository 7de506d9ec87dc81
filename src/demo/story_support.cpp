#include "demo/story.h"

#include <algorithm>

#include "demo/labels.h"
#include "demo/scenery.h"

namespace demo {

namespace {

constexpr int card_padding = 14;

// How the program lays out a text page of each size: advance per character, cell height,
// step after a line and after an empty line.
struct TextMetrics {
  int advance, cell, line_step, blank_step;
};

TextMetrics text_metrics(int size) {
  switch (size) {
    case 1:
      return {platform::font_advance(platform::FontId::font_small), 16, 14, 8};
    case 2:
      return {platform::font_advance(platform::FontId::font_medium), 24, 18, 10};
    case 3:
      return {platform::font_advance(platform::FontId::font_large), 32, 22, 12};
    default:
      return {platform::font_advance(platform::FontId::system_font), 16, 10, 6};
  }
}

}  // namespace

std::vector<std::string> spaced(std::initializer_list<const char*> lines) {
  std::vector<std::string> out;
  for (const char* line : lines) {
    if (!out.empty()) out.emplace_back();
    out.emplace_back(line);
  }
  return out;
}

void draw_card_for(Surface& picture, const PageText& text, bool night) {
  const TextMetrics m = text_metrics(text.size);
  std::size_t widest = 0;
  int y = 0, bottom = 0;
  for (const std::string& line : text.lines) {
    if (line.empty()) {
      y += m.blank_step;
      continue;
    }
    widest = std::max(widest, windows_1252(line).size());
    bottom = y + m.cell;
    y += m.line_step;
  }
  const int width = static_cast<int>(widest) * m.advance;
  draw_text_card(picture, text.x - card_padding, text.y - card_padding + 2, width + 2 * card_padding,
                 bottom + 2 * card_padding - 6, night);
}

BoxArt cut_box(const Surface& picture, int x, int y, int width, int height,
               const std::function<void(Surface&, bool)>& draw_object) {
  BoxArt box{x, y, width, height, make_canvas(width, height), make_canvas(width, height)};
  for (bool highlighted : {false, true}) {
    Surface scene = picture;
    draw_object(scene, highlighted);
    Surface& target = highlighted ? box.highlighted : box.plain;
    for (int row = 0; row < height; ++row)
      for (int column = 0; column < width; ++column)
        platform::write_pixel(target, column, row, platform::read_pixel(scene, x + column, y + row));
  }
  return box;
}

std::vector<StoryPage> make_story() {
  std::vector<StoryPage> pages = day_pages();
  for (StoryPage& page : evening_pages()) pages.push_back(std::move(page));
  return pages;
}

}  // namespace demo
