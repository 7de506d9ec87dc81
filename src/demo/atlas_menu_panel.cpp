// The reader menu's panel. It is drawn at screen (100, 100); every clickable part sits exactly
// on the screen area the menu tests, so a screen position (x, y) is atlas (x - 100, y - 20).
#include <array>
#include <cmath>
#include <string>

#include "demo/atlas.h"
#include "demo/characters.h"
#include "demo/labels.h"
#include "screens/reader_menu.h"

namespace demo {

namespace {

using platform::FontId;

constexpr int panel_x = atlas::menu_panel.x, panel_y = atlas::menu_panel.y;
constexpr int to_atlas_x = panel_x - menu_panel_x, to_atlas_y = panel_y - menu_panel_y;
constexpr int volume_levels = 8;
constexpr Rgb cream_top{253, 246, 226}, cream_bottom{243, 228, 192};
constexpr Rgb wood{112, 72, 36}, gold{236, 190, 80};

ClickArea atlas_area(ClickArea screen) {
  return {screen.x0 + to_atlas_x, screen.y0 + to_atlas_y, screen.x1 + to_atlas_x, screen.y1 + to_atlas_y};
}

// Panel-relative points, for the decorations that sit beside the click areas.
double px(double x) { return panel_x + x; }
double py(double y) { return panel_y + y; }

void draw_background(Surface& s) {
  const AtlasRect r = atlas::menu_panel;
  fill_rect(s, r.x, r.y, r.width, r.height, wood);
  fill_rect(s, r.x + 3, r.y + 3, r.width - 6, r.height - 6, gold);
  vertical_gradient(s, r.x + 4, r.y + 4, r.width - 8, r.height - 8, cream_top, cream_bottom);
  fill_round_rect(s, px(6), py(22), 236, 420, 12, {236, 220, 182});
  fill_round_rect(s, px(8), py(24), 232, 416, 10, {246, 234, 204});
}

void draw_switches(Surface& s) {
  const ClickArea editor = atlas_area({106, 106, 114, 112});
  const ClickArea author = atlas_area({198, 106, 210, 112});
  draw_framed_button(s, editor, {200, 250, 170}, {120, 210, 100});
  draw_framed_button(s, author, {190, 226, 255}, {110, 170, 240});
  draw_label(s, editor.x1 + 4, editor.y0 - 5, "EDITOR", FontId::system_font, dark_text);
  draw_label(s, author.x1 + 4, author.y0 - 5, "AUTOR", FontId::system_font, dark_text);
}

void draw_title(Surface& s) {
  draw_label_with_shadow(s, px(88), py(62), "MENÜ", FontId::font_large, {170, 70, 30}, {255, 255, 255}, 1.5);
  draw_hedgehog(s, {px(188), py(150), 0.5, false, Mood::happy, true});
}

void draw_volume(Surface& s) {
  const ClickArea louder = atlas_area({137, 275, 167, 293});
  const ClickArea quieter = atlas_area({137, 455, 167, 473});
  // The marker is drawn at screen (126, 280 + 20 * level), 50 x 10, for levels 1 (loud) to 8.
  const int slot_x = 126 + to_atlas_x, first_y = 300 + to_atlas_y;
  fill_rect(s, slot_x - 4, first_y - 4, 58, 20 * (volume_levels - 1) + 18, volume_slot_colour);
  fill_rect(s, slot_x + 23, first_y - 2, 2, 20 * (volume_levels - 1) + 14, {176, 140, 96});
  for (int level = 1; level <= volume_levels; ++level) {
    const int y = first_y + 20 * (level - 1);
    fill_rect(s, slot_x + 14, y + 4, 20, 2, {176, 140, 96});
    const Rgb colour = mix({236, 92, 44}, {84, 176, 170}, (level - 1) / (volume_levels - 1.0));
    const int length = 14 * (volume_levels + 1 - level);
    fill_round_rect(s, slot_x + 58, y + 1, length, 8, 3, shade(colour, 0.8));
    fill_round_rect(s, slot_x + 58, y + 1, length - 1, 6, 3, colour);
  }
  draw_framed_button(s, louder, {255, 210, 150}, {240, 140, 60});
  draw_framed_button(s, quieter, {190, 236, 230}, {90, 180, 170});
  const double lx = louder.centre_x(), ly = louder.centre_y(), qx = quieter.centre_x(), qy = quieter.centre_y();
  draw_line(s, {lx - 7, ly}, {lx + 7, ly}, 3.5, white);
  draw_line(s, {lx, ly - 6}, {lx, ly + 6}, 3.5, white);
  draw_line(s, {qx - 7, qy}, {qx + 7, qy}, 3.5, white);
  draw_label(s, louder.x1 + 5, louder.y0 + 1, "LAUTER", FontId::system_font, dark_text);
  draw_label(s, quieter.x1 + 5, quieter.y0 + 1, "LEISER", FontId::system_font, dark_text);
  draw_label_centred(s, px(124), py(404), "LAUTSTÄRKE", FontId::font_medium, dark_text);
  draw_label_centred(s, px(124), py(424), "DER MUSIK", FontId::font_medium, dark_text, 0.6);
}

enum class EntryIcon { quit, first, last, music, book };

void draw_entry_icon(Surface& s, double cx, double cy, EntryIcon icon) {
  switch (icon) {
    case EntryIcon::quit:
      draw_line(s, {cx - 7, cy - 7}, {cx + 7, cy + 7}, 4, white);
      draw_line(s, {cx - 7, cy + 7}, {cx + 7, cy - 7}, 4, white);
      break;
    case EntryIcon::first:
    case EntryIcon::last: {
      const double d = icon == EntryIcon::first ? -1 : 1;
      fill_rect(s, static_cast<int>(cx + d * 9 - 1.5), static_cast<int>(cy - 8), 3, 16, white);
      for (double offset : {-1.0, 7.0}) {
        const std::array<Point, 3> t{Point{cx + d * (offset + 0.5), cy}, Point{cx + d * (offset - 8), cy - 8},
                                     Point{cx + d * (offset - 8), cy + 8}};
        fill_polygon(s, t, white);
      }
      break;
    }
    case EntryIcon::music:
      fill_ellipse(s, cx - 4, cy + 6, 5, 3.8, white);
      draw_line(s, {cx + 0.5, cy + 6}, {cx + 0.5, cy - 10}, 2.5, white);
      draw_line(s, {cx + 0.5, cy - 10}, {cx + 7, cy - 5}, 2.5, white);
      break;
    case EntryIcon::book: {
      const std::array<Point, 4> left{Point{cx - 11, cy - 7}, Point{cx - 1, cy - 5}, Point{cx - 1, cy + 8},
                                      Point{cx - 11, cy + 6}};
      const std::array<Point, 4> right{Point{cx + 11, cy - 7}, Point{cx + 1, cy - 5}, Point{cx + 1, cy + 8},
                                       Point{cx + 11, cy + 6}};
      fill_polygon(s, left, white);
      fill_polygon(s, right, white);
      break;
    }
  }
}

void draw_entries(Surface& s) {
  struct Entry {
    const char* text;
    EntryIcon icon;
    Rgb top, bottom, badge;
  };
  const std::array<Entry, 5> entries{{
      {"ENDE", EntryIcon::quit, {255, 214, 204}, {236, 140, 124}, {196, 60, 48}},
      {"ANFANG", EntryIcon::first, {214, 246, 190}, {136, 206, 110}, {60, 150, 60}},
      {"LETZTE SEITE", EntryIcon::last, {214, 246, 190}, {136, 206, 110}, {60, 150, 60}},
      {"MUSIK AN/AUS", EntryIcon::music, {206, 228, 255}, {120, 170, 236}, {50, 100, 190}},
      {"ZURÜCK ZUM BUCH", EntryIcon::book, {255, 234, 170}, {240, 184, 70}, {200, 120, 20}},
  }};
  for (int k = 0; k < 5; ++k) {
    const Entry& e = entries[static_cast<std::size_t>(k)];
    const ClickArea area = atlas_area({351, 121 + 50 * k, 679, 169 + 50 * k});
    draw_framed_button(s, area, e.top, e.bottom);
    const double cy = area.centre_y();
    fill_circle(s, area.x0 + 24, cy, 16, shade(e.badge, 0.7));
    fill_circle(s, area.x0 + 24, cy - 1, 15, e.badge);
    draw_entry_icon(s, area.x0 + 24, cy, e.icon);
    draw_label(s, area.x0 + 49, std::round(cy - 15), e.text, FontId::font_large, mix(e.top, white, 0.6));
    draw_label(s, area.x0 + 48, std::round(cy - 16), e.text, FontId::font_large, dark_text);
  }
}

void draw_blink_speeds(Surface& s) {
  draw_label_centred(s, px(325), py(318), "BLINK-TEMPO", FontId::font_medium, dark_text);
  struct Speed {
    const char* label;
    int first_x, last_x, rays;
  };
  const std::array<Speed, 3> speeds{{{"LANGSAM", 351, 399, 1}, {"MITTEL", 400, 449, 2}, {"SCHNELL", 450, 499, 3}}};
  for (const Speed& speed : speeds) {
    const ClickArea area = atlas_area({speed.first_x, 441, speed.last_x, 489});
    draw_framed_button(s, area, {255, 246, 200}, {246, 206, 110});
    const double cx = area.centre_x(), cy = area.y0 + 17;
    fill_star(s, cx, cy, 9, 4, {230, 150, 20});
    fill_star(s, cx, cy - 0.5, 7.5, 3.2, {255, 226, 90});
    for (int ray = 0; ray < speed.rays; ++ray) {
      const double r = 11 + 4.5 * ray;
      draw_arc(s, cx, cy, r, -0.5, 0.5, 1.6, {200, 110, 20});
      draw_arc(s, cx, cy, r, 2.64, 3.64, 1.6, {200, 110, 20});
    }
    draw_label_centred(s, cx, area.y1 - 9, speed.label, FontId::font_medium, dark_text, 0.5);
  }
  draw_star_friend(s, {px(500), py(392), 0.9, Mood::happy, true});
}

}  // namespace

void draw_menu_panel(Surface& atlas) {
  draw_background(atlas);
  draw_switches(atlas);
  draw_title(atlas);
  draw_volume(atlas);
  draw_entries(atlas);
  draw_blink_speeds(atlas);
}

}  // namespace demo
