// Pages 7 to 12: the rainbow, sunset on the hill, the star flying home, Funkel among the stars,
// good night at home, and the end.
#include <array>

#include "demo/characters.h"
#include "demo/demo_sounds.h"
#include "demo/labels.h"
#include "demo/nav_buttons.h"
#include "demo/scenery.h"
#include "demo/story.h"

namespace demo {

namespace {

constexpr Rgb ink{84, 44, 20};
constexpr Rgb moonlight{255, 236, 160};

Surface night_sky(int seed) {
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {8, 12, 46}, {48, 60, 124});
  draw_star_field(s, seed, 170, 0, 560);
  return s;
}

StoryPage rainbow() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {86, 168, 240}, {206, 234, 255});
  draw_sun(s, 120, 250, 42);
  draw_rainbow(s, 600, 640, 430);
  draw_cloud(s, 930, 200, 0.7);
  const Hill land{540, 22, 850, 2.4, {134, 210, 90}, {56, 140, 56}, 14};
  draw_hill(s, {470, 28, 640, 0.9, {160, 214, 130}, {110, 180, 100}, 13});
  draw_hill(s, land);
  fill_ellipse(s, 300, 700, 90, 16, {130, 190, 240});
  fill_ellipse(s, 280, 697, 40, 4, {255, 255, 255}, 0.6);
  scatter_meadow(s, land, 41, 40, 80, 0, 1024);
  draw_hedgehog(s, {520, 690, 1.25, true, Mood::happy, true});
  draw_star_friend(s, {700, 520, 0.9, Mood::happy, true});
  draw_butterfly(s, 860, 600, 1.1, {250, 120, 160});
  page.text = {300, 44, 2, ink, spaced({"Nach dem Regen leuchtet ein Regenbogen.", "Funkel glänzt vor Freude in allen Farben."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  page.wave = sound_number::rainbow_harp;
  return page;
}

StoryPage sunset() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  vertical_gradient(s, 0, 0, 1024, 300, {88, 70, 150}, {240, 130, 110});
  vertical_gradient(s, 0, 300, 1024, 468, {240, 130, 110}, {255, 214, 140});
  draw_sun(s, 800, 470, 64, {255, 150, 70});
  draw_cloud(s, 260, 230, 0.8, {250, 180, 170});
  draw_cloud(s, 620, 160, 0.6, {240, 170, 180});
  draw_hill(s, {470, 20, 500, 0.2, {150, 110, 140}, {120, 90, 120}, 15});
  // The big hill rises to the right; the path goes up its flank.
  const Hill slope{560, 120, 2400, 3.6, {120, 150, 80}, {60, 90, 50}, 16};
  draw_hill(s, slope);
  scatter_meadow(s, slope, 51, 12, 90, 0, 1024);
  for (int i = 0; i < 9; ++i) {
    const double x = 120 + i * 100;
    fill_ellipse(s, x, hill_top(slope, x) + 22, 18, 6, {230, 200, 150}, 0.8);
  }
  draw_fir_tree(s, 90, hill_top(slope, 90) + 30, 160, {60, 90, 60});
  const double x = 460;
  draw_hedgehog(s, {x, hill_top(slope, x) + 26, 1.1, true, Mood::happy, false});
  draw_star_friend(s, {x + 130, hill_top(slope, x) - 90, 0.7, Mood::happy, true});
  page.text = {300, 44, 2, ink, spaced({"Die Sonne geht unter. Pieks klettert mit", "Funkel den höchsten Hügel hinauf."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  return page;
}

StoryPage farewell() {
  StoryPage page;
  Surface s = night_sky(17);
  draw_moon(s, 900, 330, 48);
  const Hill top{610, 60, 1800, 3.9, {44, 70, 84}, {14, 24, 40}, 18};
  draw_hill(s, top);
  draw_hedgehog(s, {380, hill_top(top, 380) + 28, 1.2, true, Mood::happy, true});
  for (int i = 0; i < 9; ++i) {
    const double t = i / 8.0;
    fill_circle(s, 470 + t * 170, 520 - t * 240, 3 + 4 * t, {255, 240, 170}, 0.3 + 0.5 * t);
  }
  draw_star_friend(s, {660, 250, 0.9, Mood::happy, true});
  page.text = {160, 96, 2, moonlight,
               spaced({"Nun ist es dunkel. \"Auf Wiedersehen, Pieks!\"", "ruft Funkel und fliegt hoch hinauf",
                       "zu den anderen Sternen."})};
  draw_card_for(s, page.text, true);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  page.level = 3;
  page.wave = sound_number::fly_up;
  page.back_sound = sound_number::lullaby;
  return page;
}

StoryPage among_the_stars() {
  StoryPage page;
  Surface s = night_sky(19);
  for (const auto& [x, y, size] : std::array<std::array<double, 3>, 4>{
           {{430, 190, 0.55}, {780, 160, 0.6}, {700, 360, 0.5}, {300, 330, 0.45}}})
    draw_star_friend(s, {x, y, size, Mood::happy, true});
  draw_hill(s, {650, 40, 1400, 1.0, {40, 60, 80}, {12, 20, 36}, 20});
  draw_hedgehog(s, {250, 690, 0.8, true, Mood::happy, true});
  page.text = {330, 452, 2, moonlight, spaced({"Da oben ist Funkel, wieder bei seiner Familie!", "Er blinkt Pieks zu: \"Danke, lieber Pieks!\""})};
  draw_card_for(s, page.text, true);
  draw_nav_shelf(s);
  page.boxes[2] = cut_box(s, 520, 180, 150, 150, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 595, 255, 72);
    draw_star_friend(t, {595, 255, 0.95, Mood::happy, lit});
  });
  page.picture = std::move(s);
  page.mark = 3;
  page.wave = sound_number::sparkle;
  return page;
}

StoryPage good_night() {
  StoryPage page;
  Surface s = night_sky(23);
  draw_moon(s, 150, 300, 40);
  const Hill garden{560, 16, 900, 0.7, {40, 76, 60}, {16, 34, 30}, 22};
  draw_hill(s, garden);
  draw_round_tree(s, 900, 640, 1.0, {40, 80, 60});
  draw_house(s, 540, 660, 1.3, true);
  page.text = {330, 44, 2, moonlight,
               spaced({"Müde kommt Pieks nach Hause und schaut", "noch einmal zum Himmel hinauf.", "Gute Nacht, Funkel!"})};
  draw_card_for(s, page.text, true);
  draw_nav_shelf(s);
  // Pieks looks out of the left window once more; the house puts that window's glass at
  // (window x - 17, ground - 89) scaled by its size, 34 x 34, with a cross of bars.
  const double size = 1.3, window_x = 540 - 180 * size * 0.33, ground = 660;
  const int glass_x = static_cast<int>(window_x - 17 * size), glass_y = static_cast<int>(ground - 89 * size);
  const int glass = static_cast<int>(34 * size);
  page.boxes[0] = cut_box(s, 436, 540, 54, 54, [&](Surface& t, bool lit) {
    Surface inside = t;
    draw_hedgehog(inside, {window_x + 3, ground - 64, 0.3, true, Mood::happy, lit});
    for (int y = glass_y; y < glass_y + glass; ++y)
      for (int x = glass_x; x < glass_x + glass; ++x) platform::write_pixel(t, x, y, platform::read_pixel(inside, x, y));
    if (lit) glow(t, window_x, ground - 72 * size, 30, {255, 244, 190}, 0.45);
    fill_rect(t, static_cast<int>(window_x - 1.5 * size), glass_y, static_cast<int>(3 * size), glass, {110, 70, 40});
    fill_rect(t, glass_x, static_cast<int>(ground - 73 * size), glass, static_cast<int>(3 * size), {110, 70, 40});
  });
  page.picture = std::move(s);
  page.wave = sound_number::crickets;
  return page;
}

StoryPage the_end() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  vertical_gradient(s, 0, 0, 1024, 560, {246, 214, 164}, {232, 190, 140});
  for (int x = 0; x < 1024; x += 64) fill_rect(s, x, 0, 2, 560, {236, 200, 150});
  vertical_gradient(s, 0, 560, 1024, 208, {170, 110, 66}, {120, 74, 44});
  for (int y = 580; y < 768; y += 36) fill_rect(s, 0, y, 1024, 2, {110, 66, 40});
  // The window shows the night sky with Funkel.
  fill_rect(s, 700, 236, 250, 210, {120, 80, 50});
  vertical_gradient(s, 712, 248, 226, 186, {10, 16, 56}, {40, 56, 120});
  for (int i = 0; i < 24; ++i)
    fill_circle(s, 720 + hash_noise(i, 1, 5) * 210, 256 + hash_noise(i, 2, 5) * 170, 1.5, {255, 250, 220});
  draw_star_friend(s, {770, 310, 0.5, Mood::happy, true});
  fill_rect(s, 822, 248, 6, 186, {120, 80, 50});
  fill_rect(s, 712, 338, 226, 6, {120, 80, 50});
  fill_rect(s, 690, 440, 270, 12, {150, 100, 60});
  // A rug, and the night stand with its lamp.
  fill_ellipse(s, 420, 716, 300, 34, {180, 70, 70});
  fill_ellipse(s, 420, 716, 260, 26, {230, 180, 90});
  fill_ellipse(s, 420, 716, 210, 18, {180, 70, 70});
  fill_round_rect(s, 650, 560, 110, 130, 8, {160, 104, 60});
  fill_rect(s, 662, 600, 86, 4, {120, 76, 44});
  fill_circle(s, 705, 630, 5, {240, 200, 90});
  glow(s, 705, 500, 90, {255, 220, 140}, 0.5);
  fill_rect(s, 700, 500, 10, 60, {200, 170, 120});
  const std::array<Point, 4> shade_shape{Point{675, 510}, Point{735, 510}, Point{722, 466}, Point{688, 466}};
  fill_polygon(s, shade_shape, {250, 210, 120});
  // The bed, with Pieks asleep under his blanket.
  fill_round_rect(s, 150, 430, 40, 250, 12, {150, 96, 56});
  fill_round_rect(s, 600, 500, 34, 180, 12, {150, 96, 56});
  fill_rect(s, 170, 560, 450, 70, {170, 110, 66});
  fill_round_rect(s, 180, 470, 130, 70, 30, {250, 250, 240});
  draw_hedgehog(s, {300, 580, 1.0, false, Mood::sleepy, false});
  fill_round_rect(s, 250, 520, 370, 80, 20, {90, 130, 210});
  for (int i = 0; i < 6; ++i) fill_star(s, 290 + i * 56, 560, 9, 4, {255, 226, 110});
  for (int i = 0; i < 3; ++i)
    draw_label(s, 236 + i * 26, 420 - i * 30, "z", platform::FontId::font_large, {120, 150, 230}, 0.8 + 0.3 * i);
  page.text = {320, 60, 2, ink,
               spaced({"Ende.", "Noch einmal lesen? Einfach weiter blättern!", "Mit der rechten Maustaste öffnet sich das",
                       "Menü: Musik, Lautstärke, Blink-Tempo", "und der Editor für eigene Bücher."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  return page;
}

}  // namespace

std::vector<StoryPage> evening_pages() {
  std::vector<StoryPage> pages;
  pages.push_back(rainbow());
  pages.push_back(sunset());
  pages.push_back(farewell());
  pages.push_back(among_the_stars());
  pages.push_back(good_night());
  pages.push_back(the_end());
  return pages;
}

}  // namespace demo
