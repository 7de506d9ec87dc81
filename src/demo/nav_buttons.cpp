#include "demo/nav_buttons.h"

#include <array>
#include <cmath>
#include <numbers>

namespace demo {

namespace {

constexpr int bar_x = 782, bar_y = 708, bar_width = 232;
constexpr double face_radius = 27;
constexpr Rgb outline{22, 22, 30};  // near-black: a keyed copy must keep it
constexpr Rgb symbol_shadow{18, 18, 24};

Rgb face_colour(NavSymbol symbol) {
  switch (symbol) {
    case NavSymbol::redraw:
      return {84, 164, 232};
    case NavSymbol::menu:
      return {248, 164, 52};
    default:
      return {104, 196, 84};
  }
}

void draw_arrow(Surface& s, Point c, double direction, Rgb colour, double alpha) {
  const std::array<Point, 3> head{Point{c.x + direction * 15, c.y}, Point{c.x + direction * 1, c.y - 13},
                                  Point{c.x + direction * 1, c.y + 13}};
  fill_polygon(s, head, colour, alpha);
  draw_line(s, {c.x + direction * 3, c.y}, {c.x - direction * 13, c.y}, 9, colour, alpha);
}

void draw_circular_arrow(Surface& s, Point c, Rgb colour, double alpha) {
  const double a0 = -std::numbers::pi / 2 + 0.55, a1 = a0 + 1.55 * std::numbers::pi, r = 11.5;
  draw_arc(s, c.x, c.y, r, a0, a1, 5.5, colour, alpha);
  const Point end{c.x + r * std::cos(a1), c.y + r * std::sin(a1)};
  const Point along{-std::sin(a1), std::cos(a1)}, across{std::cos(a1), std::sin(a1)};
  const std::array<Point, 3> head{Point{end.x + along.x * 8, end.y + along.y * 8},
                                  Point{end.x + across.x * 8 - along.x * 2, end.y + across.y * 8 - along.y * 2},
                                  Point{end.x - across.x * 8 - along.x * 2, end.y - across.y * 8 - along.y * 2}};
  fill_polygon(s, head, colour, alpha);
}

void draw_symbol(Surface& s, Point c, NavSymbol symbol, Rgb colour, double alpha) {
  switch (symbol) {
    case NavSymbol::menu:
      for (int k = -1; k <= 1; ++k) draw_line(s, {c.x - 11, c.y + 9 * k}, {c.x + 11, c.y + 9 * k}, 5.5, colour, alpha);
      break;
    case NavSymbol::back:
      draw_arrow(s, {c.x - 1, c.y}, -1, colour, alpha);
      break;
    case NavSymbol::forward:
      draw_arrow(s, {c.x + 1, c.y}, 1, colour, alpha);
      break;
    case NavSymbol::redraw:
      draw_circular_arrow(s, c, colour, alpha);
      break;
  }
}

}  // namespace

void draw_nav_face(Surface& s, int x, int y, NavSymbol symbol) {
  const Point c{x + nav_face_size / 2.0, y + nav_face_size / 2.0};
  const Rgb base = face_colour(symbol);
  fill_circle(s, c.x, c.y, face_radius, outline);
  fill_circle(s, c.x, c.y, face_radius - 2.5, shade(base, 0.78));
  fill_circle(s, c.x, c.y - 2.5, face_radius - 5.5, base);
  fill_ellipse(s, c.x, c.y - 13, 15, 7.5, {255, 255, 255}, 0.35);
  draw_symbol(s, {c.x + 1.5, c.y + 1.5}, symbol, symbol_shadow, 0.35);
  draw_symbol(s, c, symbol, {255, 255, 255}, 1);
}

void draw_nav_shelf(Surface& s) {
  fill_round_rect(s, bar_x + 1, bar_y + 3, bar_width - 2, nav_face_size - 6, 26, {20, 24, 40}, 0.28);
  draw_nav_face(s, bar_x, bar_y, NavSymbol::redraw);
}

}  // namespace demo
