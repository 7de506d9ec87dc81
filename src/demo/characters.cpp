#include "demo/characters.h"

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace demo {

namespace {

constexpr double pi = std::numbers::pi;
constexpr Rgb eye_dark{36, 24, 24};
constexpr Rgb cheek_pink{244, 136, 136};

// Character-local units (facing right, y up from the ground point negative) to the page.
struct Frame {
  double x, y, size, direction;
  Point at(double u, double v) const { return {x + direction * u * size, y + v * size}; }
  double len(double d) const { return d * size; }
  // An angle drawn facing right, as seen when the figure is mirrored.
  double angle(double a) const { return direction > 0 ? a : pi - a; }
};

void ellipse(Surface& s, const Frame& f, double u, double v, double rx, double ry, Rgb c, double alpha = 1) {
  const Point p = f.at(u, v);
  fill_ellipse(s, p.x, p.y, f.len(rx), f.len(ry), c, alpha);
}

void arc(Surface& s, const Frame& f, double u, double v, double r, double a0, double a1, double width, Rgb c) {
  const Point p = f.at(u, v);
  double b0 = f.angle(a0), b1 = f.angle(a1);
  if (b1 < b0) std::swap(b0, b1);
  draw_arc(s, p.x, p.y, f.len(r), b0, b1, f.len(width), c);
}

void eye(Surface& s, const Frame& f, double u, double v, double r, Mood mood) {
  if (mood == Mood::sleepy) {
    arc(s, f, u, v - r * 0.3, r, 0.2, pi - 0.2, 2.2, eye_dark);
    return;
  }
  const double grow = mood == Mood::surprised ? 1.3 : 1;
  if (mood == Mood::surprised) ellipse(s, f, u, v, r * 1.25 * grow, r * 1.45 * grow, {255, 255, 255});
  ellipse(s, f, u, v, r * grow, r * 1.25 * grow, eye_dark);
  ellipse(s, f, u + r * 0.35, v - r * 0.45, r * 0.38, r * 0.38, {255, 255, 255});
}

void mouth(Surface& s, const Frame& f, double u, double v, double r, Mood mood) {
  if (mood == Mood::surprised) {
    ellipse(s, f, u, v + r * 0.3, r * 0.45, r * 0.6, {120, 40, 40});
  } else if (mood == Mood::sad) {
    arc(s, f, u, v + r * 1.1, r * 0.8, 1.25 * pi, 1.75 * pi, 2, eye_dark);
  } else {
    arc(s, f, u, v - r * 0.3, r, 0.2 * pi, 0.8 * pi, 2.2, eye_dark);
  }
}

void draw_spikes(Surface& s, const Frame& f, double cu, double cv, double rx, double ry, double reach, Rgb c,
                 int count, double offset) {
  std::vector<Point> points;
  const double from = 0.55 * pi, to = 2.08 * pi;
  for (int i = 0; i <= count * 2; ++i) {
    const double a = from + (to - from) * (i + offset) / (count * 2);
    const double r = i % 2 == 1 ? 1 + reach : 0.92;
    points.push_back(f.at(cu + std::cos(a) * rx * r, cv + std::sin(a) * ry * r));
  }
  points.push_back(f.at(cu, cv + ry * 0.6));
  fill_polygon(s, points, c);
}

}  // namespace

void draw_hedgehog(Surface& s, const Hedgehog& h) {
  const Frame f{h.x, h.y, h.size, h.facing_right ? 1.0 : -1.0};
  ellipse(s, f, 0, 0, 66, 9, {0, 0, 0}, 0.18);
  ellipse(s, f, -24, -6, 13, 7, {96, 58, 36});
  ellipse(s, f, 22, -6, 13, 7, {96, 58, 36});
  draw_spikes(s, f, -8, -50, 56, 44, 0.3, {78, 50, 34}, 13, 0);
  draw_spikes(s, f, -6, -50, 52, 40, 0.22, {128, 88, 58}, 13, 0.5);
  ellipse(s, f, -6, -47, 52, 39, {150, 104, 68});
  for (int i = 0; i < 9; ++i) {
    const double a = 0.95 * pi + i * 0.11 * pi;
    const Point p = f.at(-6 + std::cos(a) * 34, -47 + std::sin(a) * 26);
    const Point q = f.at(-6 + std::cos(a) * 46, -47 + std::sin(a) * 35);
    draw_line(s, p, q, f.len(3), {110, 72, 46});
  }
  // The waving arm rises behind the head, so the face stays free.
  if (h.waving) {
    draw_line(s, f.at(20, -40), f.at(36, -98), f.len(13), {214, 172, 124});
    ellipse(s, f, 37, -102, 10, 10, {236, 198, 148});
  }
  // Face and belly in front, with the snout pointing ahead.
  ellipse(s, f, 24, -36, 34, 31, {236, 198, 148});
  ellipse(s, f, 52, -35, 22, 13, {236, 198, 148});
  ellipse(s, f, 22, -28, 26, 20, {246, 220, 180});
  ellipse(s, f, 18, -70, 9, 8, {236, 198, 148});
  ellipse(s, f, 18, -70, 4.5, 4, {236, 150, 140});
  ellipse(s, f, 73, -38, 6.5, 5.5, {46, 30, 30});
  ellipse(s, f, 74.5, -40, 2, 1.6, {255, 255, 255}, 0.8);
  eye(s, f, 40, -52, 5, h.mood);
  ellipse(s, f, 34, -35, 7.5, 4.5, cheek_pink, 0.65);
  mouth(s, f, 55, -27, 8, h.mood);
  // A striped red scarf makes him easy to find on every page.
  const std::array<Point, 4> tail{f.at(0, -22), f.at(12, -18), f.at(8, 0), f.at(-4, -3)};
  fill_polygon(s, tail, {176, 34, 36});
  draw_line(s, f.at(0, -20), f.at(46, -19), f.len(10), {210, 48, 46});
  for (double u : {10.0, 22.0, 34.0}) draw_line(s, f.at(u, -24), f.at(u + 2, -14), f.len(2.5), {255, 236, 230}, 0.85);
  draw_line(s, f.at(1, -6), f.at(9, -4), f.len(2.5), {255, 236, 230}, 0.85);
  if (!h.waving) ellipse(s, f, 30, -12, 8, 11, {214, 172, 124});
}

void draw_star_friend(Surface& s, const StarFriend& star) {
  const double r = 30 * star.size;
  if (star.glowing) {
    glow(s, star.x, star.y, r * 2.4, {255, 244, 170}, 0.55);
    for (int i = 0; i < 8; ++i) {
      const double a = i * pi / 4 + pi / 8;
      draw_line(s, {star.x + std::cos(a) * r * 1.2, star.y + std::sin(a) * r * 1.2},
                {star.x + std::cos(a) * r * 1.7, star.y + std::sin(a) * r * 1.7}, r * 0.08, {255, 250, 200}, 0.8);
    }
  }
  fill_star(s, star.x, star.y + r * 0.04, r * 1.08, r * 0.52, {226, 140, 24});
  fill_star(s, star.x, star.y, r, r * 0.47, {255, 214, 64});
  fill_star(s, star.x - r * 0.08, star.y - r * 0.1, r * 0.62, r * 0.3, {255, 240, 150}, 0.7);
  const Frame f{star.x, star.y, star.size, 1};
  eye(s, f, -8, -2, 3.2, star.mood);
  eye(s, f, 8, -2, 3.2, star.mood);
  ellipse(s, f, -13, 6, 4, 2.5, cheek_pink, 0.7);
  ellipse(s, f, 13, 6, 4, 2.5, cheek_pink, 0.7);
  mouth(s, f, 0, 7, 5, star.mood);
  if (star.mood == Mood::sad) {
    ellipse(s, f, -9, 5, 2.2, 3.4, {120, 190, 255});
    ellipse(s, f, -9.6, 4, 0.8, 1.2, {255, 255, 255}, 0.8);
  }
}

void draw_frog(Surface& s, double x, double y, double size, bool croaking) {
  const Frame f{x, y, size, 1};
  const Rgb green{92, 176, 64}, dark{54, 120, 40}, light{170, 222, 110};
  ellipse(s, f, 0, -2, 40, 6, {0, 0, 0}, 0.15);
  ellipse(s, f, -26, -10, 16, 11, dark);
  ellipse(s, f, 26, -10, 16, 11, dark);
  ellipse(s, f, 0, -26, 34, 26, green);
  ellipse(s, f, 0, -18, 22, 14, light);
  if (croaking) {
    ellipse(s, f, 0, -8, 18, 14, {250, 236, 170});
    ellipse(s, f, -4, -12, 7, 4, {255, 255, 255}, 0.6);
  }
  for (double u : {-16.0, 16.0}) {
    ellipse(s, f, u, -50, 12, 12, green);
    ellipse(s, f, u, -51, 8, 8.5, {255, 255, 255});
    ellipse(s, f, u + 1.5, -50, 4.5, 5.5, eye_dark);
    ellipse(s, f, u + 3, -52.5, 1.6, 1.6, {255, 255, 255});
  }
  arc(s, f, 0, -40, 16, 0.2 * pi, 0.8 * pi, 2.4, {40, 90, 30});
  ellipse(s, f, -20, -30, 5, 3, cheek_pink, 0.6);
  ellipse(s, f, 20, -30, 5, 3, cheek_pink, 0.6);
}

void draw_duck(Surface& s, double x, double y, double size, bool quacking) {
  const Frame f{x, y, size, -1};
  ellipse(s, f, 0, 2, 46, 7, {255, 255, 255}, 0.35);
  ellipse(s, f, -4, -14, 40, 20, {250, 250, 244});
  ellipse(s, f, -14, -18, 22, 10, {226, 226, 222});
  const std::array<Point, 3> tail{f.at(-38, -14), f.at(-52, -30), f.at(-30, -26)};
  fill_polygon(s, tail, {240, 240, 234});
  ellipse(s, f, 26, -42, 17, 16, {250, 250, 244});
  const std::array<Point, 3> upper{f.at(38, -46), f.at(60, -42), f.at(38, -38)};
  fill_polygon(s, upper, {246, 150, 40});
  if (quacking) {
    const std::array<Point, 3> lower{f.at(38, -38), f.at(56, -30), f.at(38, -34)};
    fill_polygon(s, lower, {226, 120, 30});
  }
  ellipse(s, f, 30, -47, 3.5, 4, eye_dark);
  ellipse(s, f, 31, -48.5, 1.2, 1.2, {255, 255, 255});
  ellipse(s, f, 22, -38, 5, 3, cheek_pink, 0.5);
}

void draw_owl(Surface& s, double x, double y, double size, bool awake) {
  const Frame f{x, y, size, 1};
  const Rgb brown{140, 98, 62}, light{220, 190, 140};
  const std::array<Point, 3> left_tuft{f.at(-28, -88), f.at(-30, -110), f.at(-12, -92)};
  const std::array<Point, 3> right_tuft{f.at(28, -88), f.at(30, -110), f.at(12, -92)};
  fill_polygon(s, left_tuft, brown);
  fill_polygon(s, right_tuft, brown);
  ellipse(s, f, 0, -48, 36, 48, brown);
  ellipse(s, f, 0, -36, 24, 30, light);
  for (int row = 0; row < 3; ++row)
    for (int col = -1; col <= 1; ++col)
      arc(s, f, col * 12.0, -46.0 + row * 12, 5, 0.15 * pi, 0.85 * pi, 1.6, {170, 130, 90});
  for (double u : {-15.0, 15.0}) {
    ellipse(s, f, u, -76, 15, 15, {236, 214, 170});
    if (awake) {
      ellipse(s, f, u, -76, 11, 11, {250, 190, 40});
      ellipse(s, f, u, -76, 6, 6, eye_dark);
      ellipse(s, f, u + 2, -78.5, 2, 2, {255, 255, 255});
    } else {
      arc(s, f, u, -79, 9, 0.2 * pi, 0.8 * pi, 2.5, eye_dark);
    }
  }
  const std::array<Point, 3> beak{f.at(-5, -68), f.at(5, -68), f.at(0, -58)};
  fill_polygon(s, beak, {236, 160, 40});
  for (double u : {-10.0, 10.0}) {
    draw_line(s, f.at(u - 4, -2), f.at(u - 4, 2), f.len(3), {236, 160, 40});
    draw_line(s, f.at(u + 4, -2), f.at(u + 4, 2), f.len(3), {236, 160, 40});
  }
}

void draw_bird(Surface& s, double x, double y, double size, bool singing) {
  const Frame f{x, y, size, -1};
  const Rgb blue{70, 140, 220};
  const std::array<Point, 3> tail{f.at(-12, -10), f.at(-26, -4), f.at(-24, -14)};
  fill_polygon(s, tail, shade(blue, 0.8));
  ellipse(s, f, 0, -12, 14, 11, blue);
  ellipse(s, f, 2, -8, 9, 6, {250, 200, 120});
  ellipse(s, f, 10, -22, 9, 9, blue);
  const std::array<Point, 3> beak{f.at(17, -24), f.at(25, -21), f.at(17, -19)};
  fill_polygon(s, beak, {250, 170, 40});
  ellipse(s, f, 12, -24, 2.2, 2.4, eye_dark);
  ellipse(s, f, -4, -14, 8, 5, shade(blue, 0.8));
  draw_line(s, f.at(-2, -2), f.at(-3, 1), f.len(1.5), {200, 120, 40});
  draw_line(s, f.at(4, -2), f.at(5, 1), f.len(1.5), {200, 120, 40});
  if (singing) {
    for (int i = 0; i < 2; ++i) {
      const Point p = f.at(30 + 12 * i, -38 - 10 * i);
      fill_ellipse(s, p.x, p.y, f.len(3.5), f.len(2.8), {60, 40, 120});
      draw_line(s, {p.x + f.direction * f.len(3), p.y}, {p.x + f.direction * f.len(3), p.y - f.len(12)}, f.len(1.5),
                {60, 40, 120});
    }
  }
}

void draw_highlight(Surface& s, double x, double y, double radius) {
  glow(s, x, y, radius, {255, 236, 120}, 0.75);
  draw_arc(s, x, y, radius * 0.72, 0, 2 * pi - 0.001, 3, {255, 250, 200}, 0.9);
  for (int i = 0; i < 6; ++i) {
    const double a = i * pi / 3 + 0.3;
    fill_star(s, x + std::cos(a) * radius * 0.85, y + std::sin(a) * radius * 0.85, radius * 0.14, radius * 0.05,
              {255, 255, 255});
  }
}

}  // namespace demo
