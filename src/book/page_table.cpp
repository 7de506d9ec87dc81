#include "book/page_table.h"

PageTable pages;

void reset_page_table() { pages = PageTable{}; }

void clear_page_table() {
  for (int i = 0; i < page_capacity; ++i) {
    pages.picture[i] = 0;
    pages.box1[i] = 0;
    pages.box1_x[i] = pages.default_box1_x;
    pages.box1_y[i] = pages.default_box1_y;
    pages.box2[i] = 0;
    pages.box2_x[i] = 750;
    pages.box2_y[i] = 180;
    pages.box3[i] = 0;
    pages.box3_x[i] = 50;
    pages.box3_y[i] = 50;
    pages.wave[i] = 0;
    pages.back_sound[i] = 0;
    pages.level[i] = 0;
    pages.mark[i] = 0;
    pages.back_transition[i] = 1;
    pages.forward_transition[i] = 1;
    pages.text_file[i] = 0;
    pages.wave_played[i] = 0;
  }
  pages.page_wave_playing = 0;
}

void reset_played_flags() {
  for (auto& played : pages.wave_played) played = 0;
  pages.page_wave_playing = 0;
}
