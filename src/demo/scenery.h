#pragma once
// The landscape pieces the story's pictures are built from: skies, sun and moon, clouds,
// rolling hills, trees, the house, the pond, flowers, rain, a rainbow, stars, and the paper
// card the story's text is printed on.
#include "demo/canvas.h"

namespace demo {

void draw_sky(Surface& s, Rgb top, Rgb bottom);
void draw_sun(Surface& s, double x, double y, double r, Rgb colour = {255, 226, 96});
void draw_moon(Surface& s, double x, double y, double r);
void draw_cloud(Surface& s, double x, double y, double size, Rgb colour = {255, 255, 255});
void draw_star_field(Surface& s, int seed, int count, int top, int bottom);

// A band of land whose top edge rolls as two waves; everything below it is land.
struct Hill {
  double base = 500;
  double amplitude = 20;
  double wavelength = 600;
  double phase = 0;
  Rgb top{120, 200, 90};
  Rgb bottom{60, 140, 60};
  int seed = 1;
};
double hill_top(const Hill& h, double x);
void draw_hill(Surface& s, const Hill& h);

void draw_round_tree(Surface& s, double x, double ground, double size, Rgb leaves = {84, 170, 74});
void draw_fir_tree(Surface& s, double x, double ground, double height, Rgb needles = {46, 120, 78});
void draw_house(Surface& s, double x, double ground, double size, bool night);
void draw_pond(Surface& s, double cx, double cy, double rx, double ry);
void draw_lily_pad(Surface& s, double cx, double cy, double r);
void draw_flower(Surface& s, double x, double y, double size, Rgb petals);
// Flowers and grass tufts scattered over the land of a hill between x0 and x1.
void scatter_meadow(Surface& s, const Hill& land, int seed, int flowers, int tufts, double x0, double x1);
void draw_mushroom(Surface& s, double x, double ground, double size);
void draw_butterfly(Surface& s, double x, double y, double size, Rgb wings);
void draw_rain(Surface& s, int seed, int drops);
void draw_rainbow(Surface& s, double cx, double cy, double r);

// The rounded paper card behind a text page, in day (cream) or night (deep blue) colours.
void draw_text_card(Surface& s, int x, int y, int w, int h, bool night);

}  // namespace demo
