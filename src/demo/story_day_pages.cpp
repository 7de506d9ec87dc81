// Pages 1 to 6: morning at home, the star in the meadow, a promise, the pond, the forest, rain.
#include <array>

#include "demo/characters.h"
#include "demo/demo_sounds.h"
#include "demo/nav_buttons.h"
#include "demo/scenery.h"
#include "demo/story.h"

namespace demo {

namespace {

constexpr Rgb ink{84, 44, 20};

StoryPage morning() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {118, 176, 238}, {255, 224, 176});
  draw_sun(s, 168, 300, 46, {255, 214, 90});
  draw_cloud(s, 310, 190, 0.6);
  const Hill far{430, 24, 700, 0.4, {156, 210, 124}, {96, 164, 84}, 3};
  const Hill near{548, 26, 900, 1.3, {126, 204, 84}, {52, 132, 52}, 4};
  draw_hill(s, far);
  draw_round_tree(s, 80, hill_top(far, 80) + 30, 0.55, {96, 176, 90});
  draw_hill(s, near);
  scatter_meadow(s, near, 11, 26, 60, 0, 1024);
  const double house_ground = hill_top(near, 760) + 12;
  const std::array<Point, 4> path{Point{742, house_ground}, Point{778, house_ground}, Point{700, 768}, Point{610, 768}};
  fill_polygon(s, path, {232, 204, 150});
  draw_house(s, 760, house_ground, 1.0, false);
  draw_round_tree(s, 935, hill_top(near, 935) + 18, 0.85);
  draw_hedgehog(s, {440, 660, 1.25, true, Mood::happy, true});
  page.text = {372, 42, 2, ink,
               spaced({"Guten Morgen! Das ist Pieks, der kleine Igel.", "Er wohnt in dem roten Haus auf dem Hügel.",
                       "Heute will er die große Wiese erkunden."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  const double ridge_y = house_ground - 120 - 96;
  page.boxes[0] = cut_box(s, 728, static_cast<int>(ridge_y) - 60, 80, 66, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 766, ridge_y - 18, 34);
    draw_bird(t, 762, ridge_y + 2, 1.1, lit);
  });
  page.picture = std::move(s);
  page.level = 1;
  page.wave = sound_number::birds;
  return page;
}

StoryPage star_in_the_grass() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {104, 184, 248}, {214, 240, 255});
  draw_sun(s, 960, 178, 38);
  draw_cloud(s, 140, 300, 0.7);
  const Hill meadow{470, 18, 800, 2.0, {140, 214, 96}, {60, 150, 56}, 5};
  draw_hill(s, {390, 30, 600, 0.3, {170, 214, 150}, {120, 180, 110}, 6});
  draw_hill(s, meadow);
  scatter_meadow(s, meadow, 21, 60, 120, 0, 1024);
  draw_butterfly(s, 760, 430, 1.2, {250, 150, 60});
  draw_butterfly(s, 880, 520, 0.9, {160, 120, 250});
  draw_hedgehog(s, {330, 650, 1.2, true, Mood::surprised, false});
  page.text = {250, 44, 2, ink,
               spaced({"Auf der Wiese glitzert etwas zwischen den Blumen.", "Ein kleiner Stern! Er heißt Funkel und ist",
                       "heute Nacht vom Himmel gefallen."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.boxes[0] = cut_box(s, 560, 530, 130, 130, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 625, 595, 64);
    draw_star_friend(t, {625, 598, 0.85, Mood::sad, lit});
    for (int i = 0; i < 7; ++i)
      draw_line(t, {580.0 + i * 14, 660}, {584.0 + i * 14 + (i % 2) * 6, 628.0 + (i % 3) * 4}, 3, {70, 150, 50});
  });
  page.picture = std::move(s);
  page.mark = 1;
  page.wave = sound_number::sparkle;
  page.back_sound = sound_number::wander_song;
  return page;
}

StoryPage promise() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {140, 200, 250}, {236, 246, 255});
  const Hill ground{580, 14, 1100, 0.8, {130, 206, 90}, {66, 146, 60}, 7};
  draw_hill(s, ground);
  draw_round_tree(s, 150, 620, 1.7);
  scatter_meadow(s, ground, 31, 20, 70, 0, 1024);
  draw_star_friend(s, {420, 500, 1.4, Mood::sad, false});
  draw_hedgehog(s, {690, 700, 1.9, false, Mood::happy, true});
  page.text = {440, 70, 3, {130, 40, 24},
               spaced({"Funkel ist traurig.", "Er möchte heim zu den", "anderen Sternen.", "\"Keine Sorge\", sagt Pieks.",
                       "\"Ich bringe dich nach Hause!\""})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  return page;
}

void draw_reeds(Surface& s, double x, double ground, int count) {
  for (int i = 0; i < count; ++i) {
    const double rx = x + i * 11, height = 70 + 30 * hash_noise(i, 1, static_cast<int>(x));
    draw_line(s, {rx, ground}, {rx + 4, ground - height}, 3, {80, 140, 60});
    if (i % 2 == 0) fill_round_rect(s, rx, ground - height - 4, 8, 24, 4, {120, 76, 40});
  }
}

StoryPage pond() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {110, 180, 240}, {220, 240, 250});
  draw_cloud(s, 880, 170, 0.8);
  draw_cloud(s, 250, 230, 0.55);
  draw_hill(s, {360, 36, 700, 2.2, {150, 200, 130}, {100, 170, 100}, 8});
  for (int i = 0; i < 5; ++i) draw_round_tree(s, 560 + i * 46, 436 + (i % 2) * 6, 0.32, {110, 180, 100});
  const Hill bank{440, 10, 1000, 0.5, {136, 204, 96}, {70, 150, 60}, 9};
  draw_hill(s, bank);
  draw_pond(s, 600, 585, 360, 118);
  draw_round_tree(s, 70, 500, 1.05);
  draw_reeds(s, 250, 530, 6);
  draw_reeds(s, 900, 560, 5);
  draw_lily_pad(s, 432, 590, 56);
  draw_lily_pad(s, 820, 640, 40);
  fill_circle(s, 820, 632, 9, {250, 160, 200});
  draw_hedgehog(s, {150, 690, 1.05, true, Mood::happy, false});
  draw_star_friend(s, {216, 520, 0.6, Mood::happy, false});
  page.text = {420, 40, 1, ink,
               {"Am Teich grüßen Frosch Quaki und Ente Frieda.", "\"Wo wohnen denn die Sterne?\", fragt Pieks.",
                "\"Ganz weit oben!\", quakt Quaki. \"Frag doch die Eule im Wald.\""}};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.boxes[1] = cut_box(s, 380, 500, 106, 96, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 433, 550, 48);
    draw_frog(t, 433, 588, 0.85, lit);
  });
  page.boxes[2] = cut_box(s, 636, 480, 136, 96, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 700, 530, 52);
    draw_duck(t, 702, 560, 0.95, lit);
  });
  page.picture = std::move(s);
  page.mark = 4;
  page.wave = sound_number::frog;
  return page;
}

StoryPage forest() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {60, 104, 84}, {150, 196, 140});
  for (int i = 0; i < 4; ++i) {
    const std::array<Point, 4> ray{Point{380.0 + i * 130, 0}, Point{430.0 + i * 130, 0}, Point{330.0 + i * 150, 768},
                                   Point{240.0 + i * 150, 768}};
    fill_polygon(s, ray, {255, 250, 210}, 0.08);
  }
  for (int i = 0; i < 9; ++i) draw_fir_tree(s, 40 + i * 118, 560 + (i % 3) * 14, 300 + (i % 4) * 40, {40, 96, 70});
  const Hill floor{600, 12, 800, 1.0, {84, 140, 66}, {40, 90, 40}, 10};
  draw_hill(s, floor);
  horizontal_gradient(s, 840, 0, 90, 630, {124, 88, 58}, {78, 52, 34});
  for (int i = 0; i < 7; ++i) {
    const double x = 852 + i * 11;
    draw_line(s, {x, 20.0 + i * 70}, {x + 3, 120.0 + i * 70}, 2, {70, 46, 30}, 0.6);
  }
  const std::array<Point, 5> roots{Point{806, 640}, Point{840, 596}, Point{930, 596}, Point{968, 642}, Point{885, 626}};
  fill_polygon(s, roots, {90, 62, 40});
  const std::array<Point, 4> branch{Point{700, 340}, Point{850, 318}, Point{850, 344}, Point{700, 352}};
  fill_polygon(s, branch, {96, 66, 44});
  draw_fir_tree(s, 110, 700, 380, {36, 110, 70});
  draw_mushroom(s, 600, 690, 0.3);
  draw_mushroom(s, 640, 700, 0.22);
  draw_hedgehog(s, {400, 700, 1.1, true, Mood::happy, false});
  draw_star_friend(s, {500, 560, 0.6, Mood::happy, true});
  page.text = {316, 52, 0, {255, 240, 200},
               spaced({"Im Wald wohnt die alte Eule Ottilie. Sie blinzelt müde:",
                       "\"Wenn es dunkel wird, steigt auf den höchsten Hügel.",
                       "Von dort oben findet jeder Stern seinen Weg nach Hause.\""})};
  draw_card_for(s, page.text, true);
  draw_nav_shelf(s);
  page.boxes[0] = cut_box(s, 722, 218, 84, 126, [&](Surface& t, bool lit) {
    if (lit) draw_highlight(t, 764, 290, 46);
    draw_owl(t, 764, 340, 0.95, !lit);
  });
  page.picture = std::move(s);
  page.level = 2;
  page.wave = sound_number::owl;
  return page;
}

StoryPage rain() {
  StoryPage page;
  Surface s = make_canvas(platform::screen_width, platform::screen_height);
  draw_sky(s, {110, 120, 144}, {176, 184, 196});
  for (double x : {120.0, 420.0, 760.0, 980.0}) draw_cloud(s, x, 150 + (static_cast<int>(x) % 3) * 20, 1.2, {150, 156, 170});
  const Hill land{520, 20, 800, 0.6, {110, 160, 100}, {60, 110, 66}, 12};
  draw_hill(s, {430, 30, 650, 1.5, {140, 160, 150}, {110, 134, 120}, 11});
  draw_hill(s, land);
  for (const auto& [x, y, r] : std::array<std::array<double, 3>, 3>{{{200, 660, 70}, {820, 700, 90}, {400, 730, 50}}}) {
    fill_ellipse(s, x, y, r, r * 0.22, {120, 150, 190});
    fill_ellipse(s, x - r * 0.2, y - r * 0.05, r * 0.5, r * 0.06, {220, 230, 250}, 0.6);
  }
  draw_rain(s, 13, 700);
  draw_mushroom(s, 540, 690, 1.4);
  draw_hedgehog(s, {500, 690, 0.95, true, Mood::happy, false});
  draw_star_friend(s, {620, 600, 0.55, Mood::happy, true});
  page.text = {300, 44, 2, ink,
               spaced({"Oh je, es regnet! Pieks und Funkel warten", "unter einem großen Pilz, bis der Regen aufhört."})};
  draw_card_for(s, page.text, false);
  draw_nav_shelf(s);
  page.picture = std::move(s);
  page.wave = sound_number::rain;
  return page;
}

}  // namespace

std::vector<StoryPage> day_pages() {
  std::vector<StoryPage> pages;
  pages.push_back(morning());
  pages.push_back(star_in_the_grass());
  pages.push_back(promise());
  pages.push_back(pond());
  pages.push_back(forest());
  pages.push_back(rain());
  return pages;
}

}  // namespace demo
