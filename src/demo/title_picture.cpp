// Picture 2: Pieks and Funkel under a painted title. The program writes the two title lines
// and "KLICK" at the bottom left (y 670 to 742), so the bottom band stays dark and calm.
#include <array>

#include "demo/characters.h"
#include "demo/labels.h"
#include "demo/scenery.h"
#include "demo/story.h"

namespace demo {

namespace {

constexpr int band_top = 652;

void draw_banner(Surface& s) {
  const std::array<Point, 6> ribbon{Point{150, 40}, Point{874, 40}, Point{844, 108}, Point{874, 176},
                                    Point{150, 176}, Point{180, 108}};
  fill_polygon(s, {ribbon.begin(), ribbon.end()}, {150, 40, 36});
  const std::array<Point, 6> face{Point{158, 46}, Point{866, 46}, Point{838, 108}, Point{866, 170},
                                  Point{158, 170}, Point{186, 108}};
  fill_polygon(s, {face.begin(), face.end()}, {214, 64, 52});
  fill_rect(s, 190, 56, 644, 2, {255, 170, 150});
  draw_label_with_shadow(s, 512, 84, "PIEKS UND DER", platform::FontId::font_large, {255, 240, 200}, {90, 20, 20}, 1.3);
  draw_label_with_shadow(s, 512, 136, "KLEINE STERN", platform::FontId::font_large, {255, 226, 90}, {90, 20, 20}, 2.0);
}

}  // namespace

Surface draw_title_picture() {
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {112, 168, 240}, {255, 214, 164});
  draw_sun(s, 900, 250, 44);
  draw_cloud(s, 110, 260, 0.7);
  const Hill far{450, 26, 760, 1.1, {156, 210, 124}, {96, 164, 84}, 30};
  const Hill near{560, 22, 900, 2.5, {126, 204, 84}, {52, 132, 52}, 31};
  draw_hill(s, far);
  draw_house(s, 160, hill_top(far, 160) + 36, 0.55, false);
  draw_round_tree(s, 280, hill_top(far, 280) + 40, 0.5);
  draw_hill(s, near);
  scatter_meadow(s, near, 32, 30, 80, 0, 1024);
  draw_star_friend(s, {690, 370, 1.7, Mood::happy, true});
  draw_hedgehog(s, {430, 640, 2.3, true, Mood::happy, true});
  draw_banner(s);
  vertical_gradient(s, 0, band_top, s.width, s.height - band_top, {62, 44, 34}, {28, 18, 14});
  fill_rect(s, 0, band_top, s.width, 3, {236, 190, 80});
  for (int i = 0; i < 5; ++i) fill_star(s, 700 + i * 60, 710 + (i % 2) * 16, 8, 3.4, {255, 226, 110}, 0.8);
  return s;
}

}  // namespace demo
