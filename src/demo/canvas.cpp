#include "demo/canvas.h"

#include <cstdint>
#include <numbers>
#include <vector>

namespace demo {

namespace {

int channel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

double smoothstep(double t) { return t * t * (3 - 2 * t); }

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
  return {channel(a.r + (b.r - a.r) * t), channel(a.g + (b.g - a.g) * t), channel(a.b + (b.b - a.b) * t)};
}

Rgb shade(Rgb c, double factor) { return {channel(c.r * factor), channel(c.g * factor), channel(c.b * factor)}; }

Surface make_canvas(int width, int height) {
  return platform::make_surface(width, height, platform::PixelFormat::xrgb8888);
}

// The demo paints only on its own XRGB canvases, so pixels are read and written in place.
void blend(Surface& s, int x, int y, Rgb colour, double alpha) {
  if (x < 0 || y < 0 || x >= s.width || y >= s.height || alpha <= 0) return;
  std::uint8_t* p = s.row(y) + static_cast<std::size_t>(x) * 4;
  if (alpha >= 1) {
    p[0] = static_cast<std::uint8_t>(colour.b);
    p[1] = static_cast<std::uint8_t>(colour.g);
    p[2] = static_cast<std::uint8_t>(colour.r);
    return;
  }
  p[0] = static_cast<std::uint8_t>(channel(p[0] + (colour.b - p[0]) * alpha));
  p[1] = static_cast<std::uint8_t>(channel(p[1] + (colour.g - p[1]) * alpha));
  p[2] = static_cast<std::uint8_t>(channel(p[2] + (colour.r - p[2]) * alpha));
}

void fill_rect(Surface& s, int x, int y, int w, int h, Rgb colour) {
  for (int j = std::max(0, y); j < std::min(s.height, y + h); ++j)
    for (int i = std::max(0, x); i < std::min(s.width, x + w); ++i) blend(s, i, j, colour, 1);
}

void vertical_gradient(Surface& s, int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) fill_rect(s, x, y + j, w, 1, mix(top, bottom, h > 1 ? j / (h - 1.0) : 0));
}

void horizontal_gradient(Surface& s, int x, int y, int w, int h, Rgb left, Rgb right) {
  for (int i = 0; i < w; ++i) fill_rect(s, x + i, y, 1, h, mix(left, right, w > 1 ? i / (w - 1.0) : 0));
}

double ellipse_distance(double px, double py, double cx, double cy, double rx, double ry) {
  const double dx = px - cx, dy = py - cy;
  const double f = dx * dx / (rx * rx) + dy * dy / (ry * ry) - 1;
  const double gx = 2 * dx / (rx * rx), gy = 2 * dy / (ry * ry);
  const double gradient = std::sqrt(gx * gx + gy * gy);
  // Near the centre the gradient vanishes; the point is then deep inside anyway.
  return gradient < 1e-9 ? -std::min(rx, ry) : f / gradient;
}

double segment_distance(double px, double py, Point a, Point b) {
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double length2 = vx * vx + vy * vy;
  const double t = length2 > 0 ? std::clamp(((px - a.x) * vx + (py - a.y) * vy) / length2, 0.0, 1.0) : 0;
  const double dx = px - (a.x + t * vx), dy = py - (a.y + t * vy);
  return std::sqrt(dx * dx + dy * dy);
}

double round_rect_distance(double px, double py, double x, double y, double w, double h, double r) {
  const double hx = w / 2, hy = h / 2;
  const double qx = std::abs(px - (x + hx)) - (hx - r);
  const double qy = std::abs(py - (y + hy)) - (hy - r);
  const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
  return outside + std::min(std::max(qx, qy), 0.0) - r;
}

double polygon_distance(double px, double py, std::span<const Point> points) {
  double best = 1e18;
  bool inside = false;
  for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
    const Point a = points[j], b = points[i];
    best = std::min(best, segment_distance(px, py, a, b));
    if ((b.y > py) != (a.y > py) && px < (a.x - b.x) * (py - b.y) / (a.y - b.y) + b.x) inside = !inside;
  }
  return inside ? -best : best;
}

void fill_ellipse(Surface& s, double cx, double cy, double rx, double ry, Rgb colour, double alpha) {
  fill_distance(s, cx - rx, cy - ry, cx + rx, cy + ry, colour, alpha,
                [&](double px, double py) { return ellipse_distance(px, py, cx, cy, rx, ry); });
}

void fill_circle(Surface& s, double cx, double cy, double r, Rgb colour, double alpha) {
  fill_distance(s, cx - r, cy - r, cx + r, cy + r, colour, alpha,
                [&](double px, double py) { return std::hypot(px - cx, py - cy) - r; });
}

void fill_round_rect(Surface& s, double x, double y, double w, double h, double r, Rgb colour, double alpha) {
  fill_distance(s, x, y, x + w, y + h, colour, alpha,
                [&](double px, double py) { return round_rect_distance(px, py, x, y, w, h, r); });
}

void fill_polygon(Surface& s, std::span<const Point> points, Rgb colour, double alpha) {
  if (points.size() < 3) return;
  double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
  for (const Point& p : points) {
    x0 = std::min(x0, p.x);
    x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  fill_distance(s, x0, y0, x1, y1, colour, alpha,
                [&](double px, double py) { return polygon_distance(px, py, points); });
}

void draw_line(Surface& s, Point a, Point b, double width, Rgb colour, double alpha) {
  const double r = width / 2;
  fill_distance(s, std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
                std::max(a.y, b.y) + r, colour, alpha,
                [&](double px, double py) { return segment_distance(px, py, a, b) - r; });
}

void draw_arc(Surface& s, double cx, double cy, double r, double a0, double a1, double width, Rgb colour,
              double alpha) {
  const Point start{cx + r * std::cos(a0), cy + r * std::sin(a0)};
  const Point end{cx + r * std::cos(a1), cy + r * std::sin(a1)};
  const double half = width / 2;
  fill_distance(s, cx - r - half, cy - r - half, cx + r + half, cy + r + half, colour, alpha,
                [&](double px, double py) {
                  double angle = std::atan2(py - cy, px - cx);
                  while (angle < a0) angle += 2 * std::numbers::pi;
                  if (angle <= a1) return std::abs(std::hypot(px - cx, py - cy) - r) - half;
                  return std::min(std::hypot(px - start.x, py - start.y), std::hypot(px - end.x, py - end.y)) -
                         half;
                });
}

void glow(Surface& s, double cx, double cy, double radius, Rgb colour, double alpha) {
  const int left = static_cast<int>(cx - radius), right = static_cast<int>(cx + radius) + 1;
  const int top = static_cast<int>(cy - radius), bottom = static_cast<int>(cy + radius) + 1;
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      const double t = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / radius;
      if (t < 1) blend(s, x, y, colour, alpha * smoothstep(1 - t));
    }
}

void fill_star(Surface& s, double cx, double cy, double outer, double inner, Rgb colour, double alpha) {
  std::vector<Point> points;
  for (int i = 0; i < 10; ++i) {
    const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
    const double r = i % 2 == 0 ? outer : inner;
    points.push_back({cx + r * std::cos(angle), cy + r * std::sin(angle)});
  }
  fill_polygon(s, points, colour, alpha);
}

double hash_noise(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                    static_cast<std::uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / static_cast<double>(0xFFFFFF);
}

double smooth_noise(double x, double y, double cell, int seed) {
  const double gx = x / cell, gy = y / cell;
  const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
  const double fx = smoothstep(gx - ix), fy = smoothstep(gy - iy);
  const double top = hash_noise(ix, iy, seed) * (1 - fx) + hash_noise(ix + 1, iy, seed) * fx;
  const double bottom = hash_noise(ix, iy + 1, seed) * (1 - fx) + hash_noise(ix + 1, iy + 1, seed) * fx;
  return top * (1 - fy) + bottom * fy;
}

}  // namespace demo
