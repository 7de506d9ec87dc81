#include "demo/scenery.h"

#include <array>
#include <cmath>
#include <numbers>

namespace demo {

namespace {

constexpr double pi = std::numbers::pi;
constexpr Rgb white{255, 255, 255};

}  // namespace

void draw_sky(Surface& s, Rgb top, Rgb bottom) { vertical_gradient(s, 0, 0, s.width, s.height, top, bottom); }

void draw_sun(Surface& s, double x, double y, double r, Rgb colour) {
  glow(s, x, y, r * 3.2, mix(colour, white, 0.4), 0.5);
  for (int i = 0; i < 12; ++i) {
    const double a = i * pi / 6;
    draw_line(s, {x + std::cos(a) * r * 1.25, y + std::sin(a) * r * 1.25},
              {x + std::cos(a) * r * 1.6, y + std::sin(a) * r * 1.6}, r * 0.12, colour, 0.8);
  }
  fill_circle(s, x, y, r, shade(colour, 0.95));
  fill_circle(s, x - r * 0.08, y - r * 0.08, r * 0.88, colour);
  fill_circle(s, x - r * 0.3, y - r * 0.3, r * 0.35, white, 0.35);
}

void draw_moon(Surface& s, double x, double y, double r) {
  glow(s, x, y, r * 3, {200, 210, 255}, 0.35);
  const double cx = x + r * 0.45, cy = y - r * 0.25;
  fill_distance(s, x - r, y - r, x + r, y + r, {252, 244, 196}, 1, [&](double px, double py) {
    return std::max(std::hypot(px - x, py - y) - r, r * 0.82 - std::hypot(px - cx, py - cy));
  });
  fill_circle(s, x - r * 0.45, y + r * 0.2, r * 0.12, {226, 214, 160}, 0.7);
  fill_circle(s, x - r * 0.2, y + r * 0.55, r * 0.08, {226, 214, 160}, 0.7);
}

void draw_cloud(Surface& s, double x, double y, double size, Rgb colour) {
  struct Puff {
    double u, v, r;
  };
  constexpr std::array<Puff, 6> puffs{{{-48, 4, 26}, {-20, -14, 34}, {18, -20, 38}, {52, -2, 28}, {10, 8, 30}, {-24, 10, 24}}};
  for (const Puff& p : puffs) fill_circle(s, x + p.u * size, y + p.v * size + 6 * size, p.r * size, shade(colour, 0.86), 0.9);
  for (const Puff& p : puffs) fill_circle(s, x + p.u * size, y + p.v * size, p.r * size, colour);
  fill_ellipse(s, x + 6 * size, y - 30 * size, 22 * size, 8 * size, mix(colour, white, 0.6), 0.5);
}

void draw_star_field(Surface& s, int seed, int count, int top, int bottom) {
  for (int i = 0; i < count; ++i) {
    const double x = hash_noise(i, 1, seed) * s.width;
    const double y = top + hash_noise(i, 2, seed) * (bottom - top);
    const double brightness = 0.4 + 0.6 * hash_noise(i, 3, seed);
    const Rgb c = mix({200, 210, 255}, {255, 250, 210}, hash_noise(i, 4, seed));
    if (i % 7 == 0) {
      glow(s, x, y, 9, c, 0.5 * brightness);
      draw_line(s, {x - 6, y}, {x + 6, y}, 1.2, c, brightness);
      draw_line(s, {x, y - 6}, {x, y + 6}, 1.2, c, brightness);
    }
    fill_circle(s, x, y, 0.8 + 1.2 * brightness, c, brightness);
  }
}

double hill_top(const Hill& h, double x) {
  return h.base + h.amplitude * std::sin(2 * pi * x / h.wavelength + h.phase) +
         0.4 * h.amplitude * std::sin(2 * pi * x / (h.wavelength * 0.47) + 1.7 * h.phase);
}

void draw_hill(Surface& s, const Hill& h) {
  for (int x = 0; x < s.width; ++x) {
    const double top = hill_top(h, x + 0.5);
    const int first = std::max(0, static_cast<int>(std::floor(top)));
    for (int y = first; y < s.height; ++y) {
      const double depth = (y - top) / std::max(1.0, s.height - top);
      Rgb c = mix(h.top, h.bottom, std::clamp(depth * 1.6, 0.0, 1.0));
      // A painted grain: soft patches and a few darker blades.
      const double patch = smooth_noise(x, y, 28, h.seed) - 0.5;
      c = shade(c, 1 + 0.12 * patch);
      if (hash_noise(x, y, h.seed) > 0.985) c = shade(c, 0.85);
      blend(s, x, y, c, std::clamp(y + 1 - top, 0.0, 1.0));
    }
  }
}

void draw_round_tree(Surface& s, double x, double ground, double size, Rgb leaves) {
  fill_ellipse(s, x, ground, 60 * size, 9 * size, {0, 0, 0}, 0.15);
  const std::array<Point, 4> trunk{Point{x - 11 * size, ground}, Point{x - 7 * size, ground - 110 * size},
                                   Point{x + 7 * size, ground - 110 * size}, Point{x + 11 * size, ground}};
  fill_polygon(s, trunk, {120, 80, 48});
  draw_line(s, {x - 2 * size, ground - 20 * size}, {x - 3 * size, ground - 90 * size}, 3 * size, {146, 100, 62});
  struct Crown {
    double u, v, r;
  };
  constexpr std::array<Crown, 6> crowns{{{-40, -120, 42}, {38, -124, 44}, {0, -160, 52}, {-20, -100, 36}, {22, -98, 38}, {0, -128, 46}}};
  for (const Crown& c : crowns) fill_circle(s, x + c.u * size, ground + c.v * size, c.r * size, shade(leaves, 0.75));
  for (const Crown& c : crowns)
    fill_circle(s, x + (c.u - 4) * size, ground + (c.v - 5) * size, c.r * 0.9 * size, leaves);
  for (const Crown& c : crowns)
    fill_circle(s, x + (c.u - 12) * size, ground + (c.v - 16) * size, c.r * 0.35 * size, mix(leaves, white, 0.25), 0.7);
}

void draw_fir_tree(Surface& s, double x, double ground, double height, Rgb needles) {
  fill_rect(s, static_cast<int>(x - height * 0.04), static_cast<int>(ground - height * 0.18),
            static_cast<int>(height * 0.08) + 1, static_cast<int>(height * 0.18), {96, 64, 40});
  for (int tier = 0; tier < 4; ++tier) {
    const double bottom = ground - height * (0.12 + tier * 0.2);
    const double half = height * (0.34 - tier * 0.07);
    const std::array<Point, 3> t{Point{x - half, bottom}, Point{x, bottom - height * 0.38}, Point{x + half, bottom}};
    fill_polygon(s, t, shade(needles, 0.8 + 0.08 * tier));
    const std::array<Point, 3> lit{Point{x - half * 0.2, bottom - 2}, Point{x, bottom - height * 0.36},
                                   Point{x - half * 0.9, bottom - 2}};
    fill_polygon(s, lit, mix(needles, white, 0.15), 0.6);
  }
}

void draw_house(Surface& s, double x, double ground, double size, bool night) {
  const double w = 180 * size, h = 120 * size;
  const Rgb wall = night ? Rgb{120, 110, 130} : Rgb{246, 230, 196};
  const Rgb roof = night ? Rgb{110, 40, 50} : Rgb{200, 64, 52};
  fill_ellipse(s, x, ground, w * 0.7, 10 * size, {0, 0, 0}, 0.18);
  fill_rect(s, static_cast<int>(x + w * 0.18), static_cast<int>(ground - h - 90 * size), static_cast<int>(22 * size),
            static_cast<int>(60 * size), night ? Rgb{90, 60, 60} : Rgb{150, 90, 70});
  fill_rect(s, static_cast<int>(x - w / 2), static_cast<int>(ground - h), static_cast<int>(w), static_cast<int>(h), wall);
  fill_rect(s, static_cast<int>(x - w / 2), static_cast<int>(ground - h), static_cast<int>(w), static_cast<int>(8 * size),
            shade(wall, 0.85));
  const std::array<Point, 3> gable{Point{x - w / 2 - 18 * size, ground - h + 4 * size},
                                   Point{x, ground - h - 96 * size}, Point{x + w / 2 + 18 * size, ground - h + 4 * size}};
  fill_polygon(s, gable, roof);
  for (int row = 1; row < 4; ++row) {
    const double t = row / 4.0;
    draw_line(s, {x - (w / 2 + 18 * size) * t, ground - h - 96 * size * (1 - t)},
              {x + (w / 2 + 18 * size) * t, ground - h - 96 * size * (1 - t)}, 2 * size, shade(roof, 0.8));
  }
  // Door with a round top and a knob.
  fill_round_rect(s, x - 20 * size, ground - 72 * size, 40 * size, 72 * size, 18 * size, {130, 80, 46});
  fill_circle(s, x + 11 * size, ground - 36 * size, 3 * size, {240, 200, 80});
  const Rgb glass = night ? Rgb{255, 214, 110} : Rgb{160, 210, 240};
  for (double wx : {x - w * 0.33, x + w * 0.33}) {
    fill_rect(s, static_cast<int>(wx - 20 * size), static_cast<int>(ground - 92 * size), static_cast<int>(40 * size),
              static_cast<int>(40 * size), {110, 70, 40});
    fill_rect(s, static_cast<int>(wx - 17 * size), static_cast<int>(ground - 89 * size), static_cast<int>(34 * size),
              static_cast<int>(34 * size), glass);
    if (night) glow(s, wx, ground - 72 * size, 46 * size, {255, 210, 120}, 0.35);
    fill_rect(s, static_cast<int>(wx - 1.5 * size), static_cast<int>(ground - 89 * size), static_cast<int>(3 * size),
              static_cast<int>(34 * size), {110, 70, 40});
    fill_rect(s, static_cast<int>(wx - 17 * size), static_cast<int>(ground - 73 * size), static_cast<int>(34 * size),
              static_cast<int>(3 * size), {110, 70, 40});
    fill_rect(s, static_cast<int>(wx - 22 * size), static_cast<int>(ground - 50 * size), static_cast<int>(44 * size),
              static_cast<int>(8 * size), {150, 96, 56});
    if (!night)
      for (int f = 0; f < 4; ++f) draw_flower(s, wx - 15 * size + f * 10 * size, ground - 52 * size, 0.35 * size,
                                              f % 2 ? Rgb{240, 80, 120} : Rgb{255, 200, 60});
  }
}

void draw_pond(Surface& s, double cx, double cy, double rx, double ry) {
  fill_ellipse(s, cx, cy, rx + 8, ry + 6, {120, 100, 70});
  fill_ellipse(s, cx, cy, rx, ry, {56, 120, 170});
  fill_ellipse(s, cx, cy - ry * 0.12, rx * 0.92, ry * 0.8, {84, 150, 200});
  for (int i = 0; i < 5; ++i) {
    const double y = cy - ry * 0.5 + i * ry * 0.22;
    fill_ellipse(s, cx - rx * 0.2 + i * 17, y, rx * (0.3 - i * 0.03), 1.6, white, 0.35);
  }
}

void draw_lily_pad(Surface& s, double cx, double cy, double r) {
  fill_distance(s, cx - r, cy - r * 0.5, cx + r, cy + r * 0.5, {60, 150, 70}, 1, [&](double px, double py) {
    const double pad = ellipse_distance(px, py, cx, cy, r, r * 0.45);
    const double angle = std::atan2((py - cy) / 0.45, px - cx);
    return std::abs(angle + 2.3) < 0.25 ? std::max(pad, 0.5) : pad;
  });
  fill_ellipse(s, cx - r * 0.2, cy - r * 0.1, r * 0.5, r * 0.16, {120, 200, 110}, 0.6);
}

void draw_flower(Surface& s, double x, double y, double size, Rgb petals) {
  draw_line(s, {x, y}, {x + 2 * size, y + 26 * size}, 3 * size, {70, 140, 50});
  fill_ellipse(s, x + 7 * size, y + 16 * size, 7 * size, 3 * size, {90, 170, 60});
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * pi / 5 - pi / 2;
    fill_circle(s, x + std::cos(a) * 7 * size, y + std::sin(a) * 7 * size, 6 * size, petals);
  }
  fill_circle(s, x, y, 4.5 * size, {255, 220, 60});
  fill_circle(s, x - 1.2 * size, y - 1.2 * size, 1.8 * size, white, 0.6);
}

void scatter_meadow(Surface& s, const Hill& land, int seed, int flowers, int tufts, double x0, double x1) {
  constexpr std::array<Rgb, 5> colours{{{244, 90, 120}, {255, 255, 255}, {250, 200, 60}, {170, 120, 240}, {255, 140, 60}}};
  for (int i = 0; i < tufts; ++i) {
    const double x = x0 + hash_noise(i, 11, seed) * (x1 - x0);
    const double y = hill_top(land, x) + 10 + hash_noise(i, 12, seed) * (s.height - hill_top(land, x) - 20);
    const Rgb c = shade(land.top, 0.7 + 0.2 * hash_noise(i, 13, seed));
    for (int blade = -1; blade <= 1; ++blade)
      draw_line(s, {x + blade * 2.0, y}, {x + blade * 6.0, y - 9 - 3 * hash_noise(i, blade + 20, seed)}, 1.8, c);
  }
  for (int i = 0; i < flowers; ++i) {
    const double x = x0 + hash_noise(i, 1, seed) * (x1 - x0);
    const double top = hill_top(land, x) + 14;
    const double y = top + hash_noise(i, 2, seed) * (s.height - top - 30);
    const double size = 0.6 + 0.6 * (y - top) / std::max(1.0, s.height - top);
    draw_flower(s, x, y, size, colours[static_cast<std::size_t>(hash_noise(i, 3, seed) * 4.99)]);
  }
}

void draw_mushroom(Surface& s, double x, double ground, double size) {
  fill_ellipse(s, x, ground, 80 * size, 10 * size, {0, 0, 0}, 0.15);
  fill_round_rect(s, x - 18 * size, ground - 110 * size, 36 * size, 110 * size, 14 * size, {244, 236, 214});
  fill_rect(s, static_cast<int>(x + 6 * size), static_cast<int>(ground - 100 * size), static_cast<int>(8 * size),
            static_cast<int>(90 * size), {220, 210, 186});
  fill_distance(s, x - 110 * size, ground - 200 * size, x + 110 * size, ground - 96 * size, {206, 50, 44}, 1,
                [&](double px, double py) {
                  return std::max(ellipse_distance(px, py, x, ground - 100 * size, 108 * size, 96 * size),
                                  py - (ground - 98 * size));
                });
  fill_ellipse(s, x, ground - 100 * size, 100 * size, 8 * size, {236, 220, 190});
  for (const auto& [u, v, r] : std::array<std::array<double, 3>, 5>{
           {{-60, -130, 12}, {-15, -170, 15}, {40, -150, 13}, {75, -120, 9}, {5, -128, 8}}})
    fill_ellipse(s, x + u * size, ground + v * size, r * size, r * 0.8 * size, {255, 246, 236});
}

void draw_butterfly(Surface& s, double x, double y, double size, Rgb wings) {
  for (double d : {-1.0, 1.0}) {
    fill_ellipse(s, x + d * 9 * size, y - 5 * size, 9 * size, 7 * size, wings);
    fill_ellipse(s, x + d * 7 * size, y + 5 * size, 6 * size, 5 * size, shade(wings, 0.85));
    fill_circle(s, x + d * 10 * size, y - 6 * size, 2.5 * size, white, 0.8);
  }
  draw_line(s, {x, y - 8 * size}, {x, y + 8 * size}, 2.5 * size, {60, 40, 40});
  draw_line(s, {x, y - 8 * size}, {x - 4 * size, y - 14 * size}, 1 * size, {60, 40, 40});
  draw_line(s, {x, y - 8 * size}, {x + 4 * size, y - 14 * size}, 1 * size, {60, 40, 40});
}

void draw_rain(Surface& s, int seed, int drops) {
  for (int i = 0; i < drops; ++i) {
    const double x = hash_noise(i, 1, seed) * (s.width + 100) - 50;
    const double y = hash_noise(i, 2, seed) * s.height;
    const double length = 14 + 12 * hash_noise(i, 3, seed);
    draw_line(s, {x, y}, {x - length * 0.3, y + length}, 1.6, {200, 220, 255}, 0.55);
  }
}

void draw_rainbow(Surface& s, double cx, double cy, double r) {
  constexpr std::array<Rgb, 7> bands{
      {{230, 60, 60}, {250, 150, 50}, {250, 230, 70}, {90, 200, 80}, {70, 150, 230}, {80, 80, 190}, {150, 80, 200}}};
  const double width = r * 0.05;
  for (std::size_t i = 0; i < bands.size(); ++i)
    draw_arc(s, cx, cy, r - i * width, pi, 2 * pi, width + 1, bands[i], 0.55);
}

void draw_text_card(Surface& s, int x, int y, int w, int h, bool night) {
  fill_round_rect(s, x + 5, y + 6, w, h, 16, {0, 0, 0}, 0.22);
  if (night) {
    fill_round_rect(s, x, y, w, h, 16, {150, 170, 230}, 0.5);
    fill_round_rect(s, x + 2, y + 2, w - 4, h - 4, 14, {22, 30, 70}, 0.8);
  } else {
    fill_round_rect(s, x, y, w, h, 16, {206, 170, 110});
    fill_round_rect(s, x + 2, y + 2, w - 4, h - 4, 14, {254, 248, 228}, 0.96);
    fill_round_rect(s, x + 6, y + 6, w - 12, h - 12, 11, {248, 236, 206}, 0.4);
  }
}

}  // namespace demo
