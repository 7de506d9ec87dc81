#include "screens/text_page_view.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>

#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/screen_context.h"

namespace {

constexpr std::int32_t error_text_x = 10;
constexpr std::int32_t error_text_y = 10;
constexpr std::int32_t page_number_x = 4;
constexpr std::int32_t page_number_y = 750;
constexpr int number_text_size = 32;

struct TextSize {
  const Font* font;
  std::int32_t line_step;
  std::int32_t blank_step;
};

TextSize text_size_of(std::int32_t code) {
  switch (code) {
    case 1: return {screen.font_small, 14, 8};
    case 2: return {screen.font_medium, 18, 10};
    case 3: return {screen.font_large, 22, 12};
    default: return {screen.system_font, 10, 6};
  }
}

// Positions come from the file and may be anywhere in the int32 range; drawing clips them
// (mended fault "No access outside a buffer").
std::int32_t saturating_add(std::int32_t a, std::int32_t b) {
  const std::int64_t sum = std::int64_t{a} + b;
  if (sum > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (sum < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(sum);
}

void draw_white_number(DeviceContext& dc, std::int32_t x, std::int32_t y, const char* label,
                       std::int32_t number) {
  char text[number_text_size];
  std::snprintf(text, sizeof text, "%s%3" PRId32, label, number);
  select_font(dc, screen.system_font);
  set_text_color(dc, 255, 255, 255);
  text_out(dc, x, y, text);
}

void draw_lines(DeviceContext& dc) {
  const TextSize size = text_size_of(text_page.text_size);
  text_page.line_step = size.line_step;
  text_page.blank_step = size.blank_step;
  select_font(dc, size.font);

  const std::int32_t x = text_page.text_x;
  std::int32_t y = text_page.text_y;
  for (int i = 0; i < text_page.text_line_count; ++i) {
    const char* line = text_page.text_lines[i];
    // The line end is never drawn; a line cut to its room loses its last character instead.
    const int n = static_cast<int>(std::strlen(line)) - 1;
    if (n == 0) {
      y = saturating_add(y, text_page.blank_step);
      continue;
    }
    set_text_color(dc, 0, 0, 0);
    text_out(dc, saturating_add(x, 1), saturating_add(y, 1), line, n);
    set_text_color(dc, text_page.text_red, text_page.text_green, text_page.text_blue);
    text_out(dc, x, y, line, n);
    y = saturating_add(y, text_page.line_step);
  }
}

}  // namespace

void draw_text_page(DeviceContext& dc) {
  const std::int32_t number = pages.text_file[page_index(pages.current_page)];
  if (number <= 0) return;
  char name[text_file_name_room + 1];
  const std::int32_t result = build_text_file_name(config.text_file_prefix, number, name)
                                  ? load_text_page(name)
                                  : text_page_not_opened;
  if (result != text_page_read) {
    draw_white_number(dc, error_text_x, error_text_y, "TEXTFEHLER ", result);
    return;
  }
  draw_lines(dc);
}

void draw_page_number(DeviceContext& dc) {
  draw_white_number(dc, page_number_x, page_number_y, "SEITE ", pages.current_page);
}
