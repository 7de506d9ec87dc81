#pragma once
// Composing and presenting a page: picture, boxes, level strip, navigation bar, and either the
// reader's page number and text page or the editor's bars and status lines.
#include <cstdint>

inline constexpr std::int32_t nav_bar_x = 782;
inline constexpr std::int32_t nav_bar_y = 708;
inline constexpr std::int32_t nav_bar_width = 232;
inline constexpr std::int32_t nav_bar_height = 58;
inline constexpr std::int32_t nav_button_width = 58;

// view: 0 reader view, 1 editor status lines. transition: 0 plain flip, else an effect.
void show_page(std::int32_t page, std::int32_t view, std::int32_t transition);

// Sets editor.nav_bar to the bar at (x, y) and draws buttons 2 to 4 there.
void draw_nav_bar(std::int32_t x, std::int32_t y);

// Picture `picture` with the two title lines and "KLICK".
void show_title_screen(std::int32_t picture);

// Copies the page's boxes onto the back buffer (box 1, 2, 3 where their number is above 0).
void draw_page_boxes(int page);
