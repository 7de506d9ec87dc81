#include "book/page_table.h"

#include <gtest/gtest.h>

TEST(PageTable, ClearGivesEveryEntryItsClearedValueAndKeepsBookWideNumbers) {
  reset_page_table();
  pages.default_box1_x = 100;
  pages.default_box1_y = 100;
  pages.page_count = 7;
  pages.current_page = 3;
  pages.picture[5] = 9;
  pages.mark[299] = 4;
  pages.wave_played[0] = 1;
  pages.page_wave_playing = 1;
  clear_page_table();
  for (int i : {0, 5, 299}) {
    EXPECT_EQ(pages.picture[i], 0);
    EXPECT_EQ(pages.mark[i], 0);
    EXPECT_EQ(pages.box1_x[i], 100);
    EXPECT_EQ(pages.box1_y[i], 100);
    EXPECT_EQ(pages.box2_x[i], 750);
    EXPECT_EQ(pages.box2_y[i], 180);
    EXPECT_EQ(pages.box3_x[i], 50);
    EXPECT_EQ(pages.box3_y[i], 50);
    EXPECT_EQ(pages.back_transition[i], 1);
    EXPECT_EQ(pages.forward_transition[i], 1);
    EXPECT_EQ(pages.wave_played[i], 0);
  }
  EXPECT_EQ(pages.page_wave_playing, 0);
  EXPECT_EQ(pages.page_count, 7);
  EXPECT_EQ(pages.current_page, 3);
}

TEST(PageTable, PageIndexStaysInsideTheArrays) {
  EXPECT_EQ(page_index(-5), 0);
  EXPECT_EQ(page_index(0), 0);
  EXPECT_EQ(page_index(150), 150);
  EXPECT_EQ(page_index(299), 299);
  EXPECT_EQ(page_index(300), 299);
  EXPECT_EQ(page_index(2147483647), 299);
}
