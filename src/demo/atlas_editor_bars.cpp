// The editor's bars: the toolbar of edit modes 1 to 16 along the bottom, the four side buttons
// of modes 17 to 20 at the top right, and the status bar the status lines are written on.
#include <array>
#include <string>

#include "demo/atlas.h"
#include "demo/labels.h"

namespace demo {

namespace {

using platform::FontId;

constexpr int button_width = 50;
constexpr Rgb gap_colour{34, 30, 44};
constexpr double label_scale = 0.5;

struct ModeButton {
  int mode;
  const char* label;
  Rgb top, bottom;
};

constexpr Rgb page_top{255, 226, 150}, page_bottom{236, 170, 70};
constexpr Rgb number_top{196, 226, 255}, number_bottom{110, 160, 230};
constexpr Rgb place_top{200, 244, 170}, place_bottom{110, 196, 90};
constexpr Rgb side_top{250, 206, 236}, side_bottom{214, 130, 190};

// Page commands are warm, number entries blue, box placing green.
constexpr std::array<ModeButton, 16> toolbar_buttons{{
    {1, "NEU NR.", page_top, page_bottom},   {2, "ANHÄNG.", page_top, page_bottom},
    {3, "BILD NR", page_top, page_bottom},   {4, "TAUSCH", page_top, page_bottom},
    {5, "EINFÜG.", page_top, page_bottom},   {6, "LÖSCHEN", page_top, page_bottom},
    {7, "MARKE 1", page_top, page_bottom},   {8, "SICHERN", page_top, page_bottom},
    {9, "WAVE", number_top, number_bottom},  {10, "BOX 1", number_top, number_bottom},
    {11, "LEVEL", number_top, number_bottom}, {12, "BOX 2", number_top, number_bottom},
    {13, "POS. 1", place_top, place_bottom}, {14, "POS. 2", place_top, place_bottom},
    {15, "POS. 3", place_top, place_bottom}, {16, "BOX 3", number_top, number_bottom},
}};

void draw_mode_button(Surface& s, ClickArea area, int mode, const char* label, Rgb top, Rgb bottom) {
  draw_framed_button(s, area, top, bottom);
  const double cx = area.centre_x();
  draw_label_with_shadow(s, cx, area.y0 + 15, std::to_string(mode), FontId::font_medium, dark_text,
                         mix(top, white, 0.7));
  draw_label_centred(s, cx, area.y1 - 10, label, FontId::font_medium, dark_text, label_scale);
}

}  // namespace

void draw_editor_toolbar(Surface& atlas) {
  const AtlasRect r = atlas::toolbar;
  // The top row lies at screen y 718, which no click reaches (the rule is y > 718).
  fill_rect(atlas, r.x, r.y, r.width, r.height, gap_colour);
  for (const ModeButton& b : toolbar_buttons) {
    const int x0 = r.x + (b.mode - 1) * button_width;
    draw_mode_button(atlas, {x0, r.y + 1, x0 + button_width - 1, r.y + r.height - 1}, b.mode, b.label, b.top,
                     b.bottom);
  }
}

void draw_editor_side_buttons(Surface& atlas) {
  const AtlasRect r = atlas::side_buttons;
  const int bottom = r.y + r.height - 1;
  // Screen x 800, 850, 900 and 950 belong to no button.
  fill_rect(atlas, r.x, r.y, r.width, r.height, gap_colour);
  auto area = [&](int button, int y0, int y1) {
    return ClickArea{r.x + 1 + (button - 1) * button_width, y0, r.x + button * button_width - 1, y1};
  };
  draw_mode_button(atlas, area(1, r.y, bottom), 17, "MUSIK", side_top, side_bottom);
  draw_mode_button(atlas, area(2, r.y, bottom), 18, "MARKE 2", side_top, side_bottom);
  // Button 3 acts by halves: above screen y 30 it switches mark 3, below it marks 2 and 3.
  const ClickArea upper = area(3, r.y, r.y + 29), lower = area(3, r.y + 31, bottom);
  draw_framed_button(atlas, upper, side_top, side_bottom);
  draw_label_centred(atlas, upper.centre_x(), upper.y0 + 8, "19", FontId::font_medium, dark_text, 0.6);
  draw_label_centred(atlas, upper.centre_x(), upper.y0 + 21, "MARKE 3", FontId::font_medium, dark_text, label_scale);
  draw_framed_button(atlas, lower, side_top, side_bottom);
  draw_label_centred(atlas, lower.centre_x(), lower.centre_y(), "2 + 3", FontId::font_medium, dark_text, label_scale);
  draw_mode_button(atlas, area(4, r.y, bottom), 20, "TEXT", side_top, side_bottom);
}

void draw_editor_status_bar(Surface& atlas) {
  const AtlasRect r = atlas::status_bar;
  // The prompt uses the first 46 rows as its background: keep them calm and dark so the
  // white and rose prompt texts read well.
  vertical_gradient(atlas, r.x, r.y, r.width, 46, {34, 46, 96}, {18, 24, 58});
  fill_rect(atlas, r.x, r.y + 46, r.width, 1, {236, 190, 80});
  fill_rect(atlas, r.x, r.y + 47, r.width, 1, {120, 80, 20});
  for (int x = r.x; x < r.x + r.width; x += 4) fill_rect(atlas, x, r.y + 1, 2, 1, {56, 70, 130});
  // No label here: the status lines run to x 738 and the prompt reuses these rows.
}

}  // namespace demo
