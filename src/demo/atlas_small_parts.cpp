// The atlas's small pieces: cursor, navigation-bar faces, level strips, mark symbol, volume
// marker and slider bar; the framed buttons; and the whole atlas put together.
#include <array>
#include <cmath>
#include <string>

#include "demo/atlas.h"
#include "demo/labels.h"
#include "demo/nav_buttons.h"

namespace demo {

namespace {

using platform::FontId;

constexpr Rgb near_black{16, 16, 24};

// Pixel art: X outline, W white, anything else left black (transparent in a keyed copy).
constexpr std::array<const char*, 16> cursor_rows{
    "X...............", "XX..............", "XWX.............", "XWWX............",
    "XWWWX...........", "XWWWWX..........", "XWWWWWX.........", "XWWWWWWX........",
    "XWWWWWWWX.......", "XWWWWWWWWX......", "XWWWWWXXXXX.....", "XWWXWWX.........",
    "XWX.XWWX........", "XX..XWWX........", ".....XWWX.......", ".....XXXX......."};

// A colour of the rainbow for hue 0..1, at the given lightness of a strong, friendly tint.
Rgb hue_colour(double hue) {
  const double h = (hue - std::floor(hue)) * 6;
  const int sector = static_cast<int>(h);
  const double f = h - sector;
  const double v = 0.86, s = 0.62;
  const double p = v * (1 - s), q = v * (1 - s * f), t = v * (1 - s * (1 - f));
  double r = v, g = t, b = p;
  switch (sector) {
    case 1: r = q; g = v; b = p; break;
    case 2: r = p; g = v; b = t; break;
    case 3: r = p; g = q; b = v; break;
    case 4: r = t; g = p; b = v; break;
    case 5: r = v; g = p; b = q; break;
    default: break;
  }
  return {static_cast<int>(r * 255), static_cast<int>(g * 255), static_cast<int>(b * 255)};
}

}  // namespace

void draw_cursor(Surface& atlas) {
  for (int y = 0; y < atlas::cursor.height; ++y)
    for (int x = 0; x < atlas::cursor.width; ++x) {
      const char c = cursor_rows[static_cast<std::size_t>(y)][x];
      if (c == 'X') platform::write_pixel(atlas, atlas::cursor.x + x, atlas::cursor.y + y, {20, 20, 32});
      if (c == 'W') platform::write_pixel(atlas, atlas::cursor.x + x, atlas::cursor.y + y, {255, 255, 255});
    }
}

void draw_nav_bar_faces(Surface& atlas) {
  draw_nav_face(atlas, atlas::nav_bar.x, atlas::nav_bar.y, NavSymbol::menu);
  draw_nav_face(atlas, atlas::nav_bar.x + nav_face_size, atlas::nav_bar.y, NavSymbol::back);
  draw_nav_face(atlas, atlas::nav_bar.x + 2 * nav_face_size, atlas::nav_bar.y, NavSymbol::forward);
}

void draw_level_strips(Surface& atlas) {
  for (int level = 1; level <= atlas::level_count; ++level) {
    const AtlasRect r = atlas::level_strip(level);
    const int y = r.y;
    const Rgb tint = hue_colour((level - 1) / 12.0);
    vertical_gradient(atlas, r.x, y, r.width, r.height, mix(tint, {255, 255, 255}, 0.3),
                      shade(tint, 0.75));
    fill_rect(atlas, r.x, y, r.width, 1, mix(tint, {255, 255, 255}, 0.6));
    fill_rect(atlas, r.x, y + r.height - 1, r.width, 1, shade(tint, 0.5));
    for (double star_x : {r.x + 12.0, r.x + r.width - 12.0})
      fill_star(atlas, star_x, y + 8.5, 6, 2.6, {255, 246, 170});
    const std::string text = "LEVEL " + std::to_string(level);
    draw_label_with_shadow(atlas, r.x + r.width / 2.0, y + 8, text, FontId::system_font, {255, 255, 255},
                           shade(tint, 0.35));
  }
}

void draw_mark_symbol(Surface& atlas) {
  const AtlasRect r = atlas::mark_symbol;
  fill_round_rect(atlas, r.x + 0.5, r.y + 0.5, r.width - 1, r.height - 1, 8.5, near_black);
  fill_round_rect(atlas, r.x + 2, r.y + 2, r.width - 4, r.height - 4, 7, {222, 150, 28});
  fill_round_rect(atlas, r.x + 3, r.y + 2.5, r.width - 6, r.height - 7, 6, {255, 214, 84});
  fill_ellipse(atlas, r.x + r.width / 2.0, r.y + 5.5, 12, 2.5, {255, 255, 255}, 0.45);
  fill_star(atlas, r.x + r.width / 2.0 + 0.8, r.y + 9.8, 6.5, 2.8, {150, 80, 10}, 0.5);
  fill_star(atlas, r.x + r.width / 2.0, r.y + 9, 6.5, 2.8, {255, 255, 255});
}

void draw_volume_marker(Surface& atlas) {
  const AtlasRect r = atlas::volume_marker;
  fill_rect(atlas, r.x, r.y, r.width, r.height, volume_slot_colour);
  const std::array<Point, 5> pointer{Point{r.x + 3.0, r.y + 0.5}, Point{r.x + 37.0, r.y + 0.5},
                                     Point{r.x + 48.5, r.y + 5.0}, Point{r.x + 37.0, r.y + 9.5},
                                     Point{r.x + 3.0, r.y + 9.5}};
  fill_polygon(atlas, pointer, {150, 38, 18});
  const std::array<Point, 5> face{Point{r.x + 4.5, r.y + 1.8}, Point{r.x + 36.5, r.y + 1.8},
                                  Point{r.x + 45.5, r.y + 5.0}, Point{r.x + 36.5, r.y + 8.2},
                                  Point{r.x + 4.5, r.y + 8.2}};
  fill_polygon(atlas, face, {232, 78, 40});
  fill_rect(atlas, r.x + 6, r.y + 2, 30, 1, {255, 170, 130});
}

void draw_slider_bar(Surface& atlas) {
  const AtlasRect r = atlas::slider_bar;
  constexpr int positions = 9, cell = 40;
  vertical_gradient(atlas, r.x, r.y, r.width, r.height, {52, 76, 142}, {26, 36, 86});
  fill_rect(atlas, r.x, r.y, r.width, 1, {140, 170, 236});
  fill_rect(atlas, r.x, r.y + r.height - 1, r.width, 1, {16, 20, 52});
  fill_rect(atlas, r.x, r.y, 1, r.height, {110, 140, 210});
  fill_rect(atlas, r.x + r.width - 1, r.y, 1, r.height, {16, 20, 52});
  const double track_y = r.y + 35;
  fill_round_rect(atlas, r.x + 6, track_y - 5, positions * cell - 12, 10, 5, {14, 18, 46});
  fill_round_rect(atlas, r.x + 7, track_y - 4, positions * cell - 14, 8, 4, {30, 40, 96});
  for (int v = 0; v < positions; ++v) {
    const double cx = r.x + v * cell + cell / 2.0;
    draw_label_centred(atlas, cx, r.y + 12, std::to_string(v), FontId::system_font, {255, 255, 255});
    fill_rect(atlas, static_cast<int>(cx), r.y + 21, 1, 4, {150, 180, 240});
    fill_circle(atlas, cx, track_y, 2.5, {150, 190, 255});
  }
  const double label_x = r.x + positions * cell + (r.width - positions * cell) / 2.0;
  draw_label_centred(atlas, label_x, r.y + 14, "EFFEKT", FontId::system_font, {255, 226, 120});
  const std::array<Point, 3> left{Point{label_x - 22, track_y}, Point{label_x - 8, track_y - 7},
                                  Point{label_x - 8, track_y + 7}};
  const std::array<Point, 3> right{Point{label_x + 22, track_y}, Point{label_x + 8, track_y - 7},
                                   Point{label_x + 8, track_y + 7}};
  fill_polygon(atlas, left, {150, 190, 255});
  fill_polygon(atlas, right, {150, 190, 255});
}

void draw_framed_button(Surface& s, ClickArea a, Rgb top, Rgb bottom) {
  fill_rect(s, a.x0, a.y0, a.width(), a.height(), click_frame);
  if (a.width() < 3 || a.height() < 3) return;
  vertical_gradient(s, a.x0 + 1, a.y0 + 1, a.width() - 2, a.height() - 2, top, bottom);
  if (a.width() < 5 || a.height() < 5) return;
  fill_rect(s, a.x0 + 1, a.y0 + 1, a.width() - 2, 1, mix(top, white, 0.55));
  fill_rect(s, a.x0 + 1, a.y0 + 1, 1, a.height() - 2, mix(top, white, 0.35));
  fill_rect(s, a.x0 + 1, a.y1 - 1, a.width() - 2, 1, shade(bottom, 0.72));
  fill_rect(s, a.x1 - 1, a.y0 + 1, 1, a.height() - 2, shade(bottom, 0.8));
}

Surface draw_interface_atlas() {
  Surface atlas = make_canvas(platform::screen_width, platform::screen_height);
  draw_cursor(atlas);
  draw_nav_bar_faces(atlas);
  draw_slider_bar(atlas);
  draw_mark_symbol(atlas);
  draw_volume_marker(atlas);
  draw_menu_panel(atlas);
  draw_editor_toolbar(atlas);
  draw_editor_side_buttons(atlas);
  draw_editor_status_bar(atlas);
  draw_level_strips(atlas);
  return atlas;
}

}  // namespace demo
