#include "screens/page_display.h"

#include <cstdio>

#include "book/configuration.h"
#include "book/page_table.h"
#include "graphics/picture_files.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "graphics/text_output.h"
#include "input/mouse.h"
#include "screens/edit_modes.h"
#include "screens/editor_state/editor_state.h"
#include "screens/text_page_view.h"
#include "screens/transitions.h"
#include "sound/page_wave.h"

namespace {

constexpr int text_buffer_size = 1024;  // a formatted line never grows past this

void draw_interface_elements(int p) {
  if (pages.level[p] > 0) {
    const std::int32_t n = pages.level[p] > atlas::level_count ? atlas::level_count : pages.level[p];
    copy_from_atlas(atlas::level_strip(n), screen.back_buffer, 80, 50);
  }
  draw_nav_bar(nav_bar_x, nav_bar_y);
  if (editor.editor_on != 1) return;
  if (pages.mark[p] > 0) copy_from_atlas_keyed(atlas::mark_symbol, screen.back_buffer, 870, 690);
  if (is_box_placement(editor.edit_mode)) return;
  copy_from_atlas(atlas::status_bar, screen.back_buffer, 0, 0);
  copy_from_atlas(atlas::toolbar, screen.back_buffer, 0, 718);
  copy_from_atlas(atlas::side_buttons, screen.back_buffer, 800, 0);
}

void draw_status_lines(DeviceContext& dc, std::int32_t picture) {
  const int c = page_index(pages.current_page);
  char text[text_buffer_size];
  select_font(dc, screen.font_medium);
  set_text_color(dc, 255, 255, 255);
  std::int32_t y = 2;
  if (!is_box_placement(editor.edit_mode)) {
    std::snprintf(text, sizeof text, "FILENR. %4d BILD %4d VON %4d BOX %4d * %4d * %4d", picture,
                  pages.current_page, pages.page_count, pages.shown_box1, pages.shown_box2, pages.shown_box3);
    text_out(dc, 10, 2, text);
    y = 20;
  }
  std::snprintf(text, sizeof text, "X%4d Y%4d X%4d Y%4d X%4d Y%4d WAVE %4d BSOU %4d", pages.box1_x[c],
                pages.box1_y[c], pages.box2_x[c], pages.box2_y[c], pages.box3_x[c], pages.box3_y[c], pages.wave[c],
                pages.back_sound[c]);
  text_out(dc, 10, y, text);
  if (editor.editor_on != 1) return;
  format_edit_mode_line(text, sizeof text, editor.edit_mode);
  if (is_box_placement(editor.edit_mode))
    set_text_color(dc, 128, 255, 0);
  else
    set_text_color(dc, 255, 255, 255);
  text_out(dc, 12, 694, text);
}

void draw_texts(std::int32_t picture, std::int32_t view) {
  DeviceContext dc;
  if (!get_dc(screen.back_buffer, dc)) return;
  set_bk_mode_transparent(dc);
  select_font(dc, screen.system_font);
  set_text_color(dc, 255, 255, 255);
  if (picture == 0) text_out(dc, 10, 1, "NOCH KEIN BILD !");
  if (view == 0) {
    if (editor.show_page_number == 1) draw_page_number(dc);
    draw_text_page(dc);
  } else if (view == 1) {
    draw_status_lines(dc, picture);
  }
  release_dc(dc);
}

}  // namespace

void draw_page_boxes(int p) {
  if (pages.shown_box1 > 0) draw_box_picture(pages.shown_box1, pages.box1_x[p], pages.box1_y[p]);
  if (pages.shown_box2 > 0) draw_box_picture(pages.shown_box2, pages.box2_x[p], pages.box2_y[p]);
  if (pages.shown_box3 > 0) draw_box_picture(pages.shown_box3, pages.box3_x[p], pages.box3_y[p]);
}

void show_page(std::int32_t page, std::int32_t view, std::int32_t transition) {
  const int p = page_index(page);
  const std::int32_t picture = pages.picture[p];
  pages.shown_box1 = pages.box1[p];
  pages.shown_box2 = pages.box2[p];
  pages.shown_box3 = pages.box3[p];
  if (picture > 0) load_picture(target_page_surface, picture);
  copy_whole_screen(screen.page_surface, screen.back_buffer);
  draw_page_boxes(p);
  draw_interface_elements(p);
  draw_texts(picture, view);
  if (transition == 0)
    flip_primary();
  else
    run_transition(transition);
  mouse.cursor_saved = 0;
  page_wave_step();
}

void draw_nav_bar(std::int32_t x, std::int32_t y) {
  editor.nav_bar = {x, y, x + nav_bar_width, y + nav_bar_height};
  copy_from_atlas_keyed(atlas::nav_bar, screen.back_buffer, x + nav_button_width, y);
}

void show_title_screen(std::int32_t picture) {
  load_picture(target_page_surface, picture);
  copy_whole_screen(screen.page_surface, screen.back_buffer);
  DeviceContext dc;
  if (get_dc(screen.back_buffer, dc)) {
    set_bk_mode_transparent(dc);
    select_font(dc, screen.system_font);
    set_text_color(dc, 255, 255, 255);
    text_out(dc, 10, 670, config.title_line1);
    select_font(dc, screen.font_large);
    set_text_color(dc, 255, 255, 0);
    text_out(dc, 10, 684, config.title_line2);
    set_text_color(dc, 255, 255, 255);
    text_out(dc, 10, 710, "KLICK");
    release_dc(dc);
  }
  flip_primary();
  mouse.cursor_saved = 0;
}
