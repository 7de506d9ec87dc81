#pragma once
// The four round faces of the navigation bar. Buttons 2 to 4 (menu, back, forward) live in the
// interface atlas; button 1 (redraw) has no image there, so every story picture paints it.
#include "demo/canvas.h"

namespace demo {

inline constexpr int nav_face_size = 58;

enum class NavSymbol { redraw, menu, back, forward };

// A face in the 58 x 58 cell with its top-left corner at (x, y). Outside the circle nothing is
// painted, so on black the corners stay pure black and a keyed copy leaves them out; every
// dark line inside is near-black for the same reason.
void draw_nav_face(Surface& s, int x, int y, NavSymbol symbol);

// What every story picture shows under the navigation bar: a soft shelf behind the four
// buttons and the redraw face of button 1.
void draw_nav_shelf(Surface& s);

}  // namespace demo
