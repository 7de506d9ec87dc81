#pragma once
// The story's characters: Pieks the hedgehog, Funkel the little star, and the friends they
// meet (a frog, a duck, an owl). Each is drawn around a ground point and scales as a whole.
#include "demo/canvas.h"

namespace demo {

enum class Mood { happy, surprised, sad, sleepy };

struct Hedgehog {
  double x = 0, y = 0;  // middle of the feet on the ground
  double size = 1;      // 1 = about 130 pixels wide
  bool facing_right = true;
  Mood mood = Mood::happy;
  bool waving = false;
};
void draw_hedgehog(Surface& s, const Hedgehog& h);

struct StarFriend {
  double x = 0, y = 0;  // centre
  double size = 1;      // 1 = about 60 pixels across
  Mood mood = Mood::happy;
  bool glowing = false;
};
void draw_star_friend(Surface& s, const StarFriend& f);

// Sitting frog, ground point under its middle; `croaking` puffs its throat.
void draw_frog(Surface& s, double x, double y, double size, bool croaking);
// Swimming duck, waterline point under its middle; `quacking` opens the beak.
void draw_duck(Surface& s, double x, double y, double size, bool quacking);
// Owl perched with its feet at (x, y); `awake` opens its eyes wide.
void draw_owl(Surface& s, double x, double y, double size, bool awake);

// Little songbird perched with its feet at (x, y), facing left; `singing` adds music notes.
void draw_bird(Surface& s, double x, double y, double size, bool singing);

// A soft golden halo with sparkles around a point: how a blinking thing lights up.
void draw_highlight(Surface& s, double x, double y, double radius);

}  // namespace demo
