#pragma once
// Painting with soft edges on the demo's canvases (XRGB surfaces from make_canvas): every
// shape is a signed distance (negative inside, in pixels) whose half-pixel band around 0
// becomes partial coverage.
#include <algorithm>
#include <cmath>
#include <span>

#include "platform/display/surface.h"

namespace demo {

using platform::Rgb;
using platform::Surface;

struct Point {
  double x = 0;
  double y = 0;
};

// a at t = 0, b at t = 1.
Rgb mix(Rgb a, Rgb b, double t);
// Channels scaled by `factor` (below 1 darker, above 1 lighter), kept within 0..255.
Rgb shade(Rgb c, double factor);

// A 1024 x 768 (or any size) black XRGB surface to paint on.
Surface make_canvas(int width, int height);

// Lays `colour` over the pixel with opacity `alpha` (0..1); pixels outside are ignored.
void blend(Surface& s, int x, int y, Rgb colour, double alpha);
void fill_rect(Surface& s, int x, int y, int w, int h, Rgb colour);
void vertical_gradient(Surface& s, int x, int y, int w, int h, Rgb top, Rgb bottom);
void horizontal_gradient(Surface& s, int x, int y, int w, int h, Rgb left, Rgb right);

// Coverage of a distance-described shape over the pixels of [x0, x1) x [y0, y1).
template <class Distance>
void fill_distance(Surface& s, double x0, double y0, double x1, double y1, Rgb colour, double alpha,
                   Distance&& distance) {
  const int left = std::max(0, static_cast<int>(std::floor(x0)) - 1);
  const int top = std::max(0, static_cast<int>(std::floor(y0)) - 1);
  const int right = std::min(s.width, static_cast<int>(std::ceil(x1)) + 1);
  const int bottom = std::min(s.height, static_cast<int>(std::ceil(y1)) + 1);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const double coverage = std::clamp(0.5 - distance(x + 0.5, y + 0.5), 0.0, 1.0);
      if (coverage > 0) blend(s, x, y, colour, coverage * alpha);
    }
}

// Signed distances, for shapes built from several parts (union = min, cut = max(a, -b)).
double ellipse_distance(double px, double py, double cx, double cy, double rx, double ry);
double segment_distance(double px, double py, Point a, Point b);
double round_rect_distance(double px, double py, double x, double y, double w, double h, double r);
double polygon_distance(double px, double py, std::span<const Point> points);

void fill_ellipse(Surface& s, double cx, double cy, double rx, double ry, Rgb colour, double alpha = 1);
void fill_circle(Surface& s, double cx, double cy, double r, Rgb colour, double alpha = 1);
void fill_round_rect(Surface& s, double x, double y, double w, double h, double r, Rgb colour,
                     double alpha = 1);
void fill_polygon(Surface& s, std::span<const Point> points, Rgb colour, double alpha = 1);
// A stroke with round ends.
void draw_line(Surface& s, Point a, Point b, double width, Rgb colour, double alpha = 1);
// A circular arc from angle a0 to a1 (radians, clockwise on screen since y points down).
void draw_arc(Surface& s, double cx, double cy, double r, double a0, double a1, double width, Rgb colour,
              double alpha = 1);
// A ring that fades from `alpha` at the centre to nothing at `radius`.
void glow(Surface& s, double cx, double cy, double radius, Rgb colour, double alpha);
// A five-pointed star, point upwards.
void fill_star(Surface& s, double cx, double cy, double outer, double inner, Rgb colour, double alpha = 1);

// Deterministic noise in 0..1 for textures: the same inputs give the same value.
double hash_noise(int x, int y, int seed);
// Smooth value noise in 0..1 with features about `cell` pixels wide.
double smooth_noise(double x, double y, double cell, int seed);

}  // namespace demo
