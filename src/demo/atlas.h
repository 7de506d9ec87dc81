#pragma once
// Picture 1, the interface atlas, drawn into the rectangles the program copies from
// (graphics/atlas_layout.h).
#include "demo/canvas.h"
#include "graphics/atlas_layout.h"

namespace demo {

// The whole 1024 x 768 atlas; what no rectangle covers stays black.
Surface draw_interface_atlas();

// The parts, each drawn into its rectangle of the atlas.
void draw_cursor(Surface& atlas);
void draw_nav_bar_faces(Surface& atlas);
void draw_level_strips(Surface& atlas);
void draw_mark_symbol(Surface& atlas);
void draw_volume_marker(Surface& atlas);
void draw_slider_bar(Surface& atlas);
void draw_editor_toolbar(Surface& atlas);
void draw_editor_side_buttons(Surface& atlas);
void draw_editor_status_bar(Surface& atlas);
void draw_menu_panel(Surface& atlas);

// The look shared by the clickable parts: every button's one-pixel frame lies exactly on the
// inclusive rectangle that the program tests for clicks, in one colour kept for frames.
inline constexpr Rgb click_frame{96, 48, 16};
inline constexpr Rgb dark_text{58, 34, 14};
inline constexpr Rgb white{255, 255, 255};

// Inclusive corners, as the click rules state them.
struct ClickArea {
  int x0, y0, x1, y1;
  int width() const { return x1 - x0 + 1; }
  int height() const { return y1 - y0 + 1; }
  double centre_x() const { return (x0 + x1 + 1) / 2.0; }
  double centre_y() const { return (y0 + y1 + 1) / 2.0; }
};

// A raised button: frame, a light inner edge at the top and left, a dark one at the bottom
// and right, and a face that shades from `top` to `bottom`.
void draw_framed_button(Surface& s, ClickArea area, Rgb top, Rgb bottom);

// The flat colour under the volume marker's travel, shared by the panel and the marker so the
// marker sits on the panel without a visible box.
inline constexpr Rgb volume_slot_colour{226, 210, 176};

}  // namespace demo
