#include "screens/page_editing.h"

#include "editor_fixture.h"

namespace {

void carry_out(std::int32_t mode, std::int32_t y = 740) {
  editor.edit_mode = mode;
  carry_out_edit_mode(y);
}

}  // namespace

TEST_F(EditorTest, InsertingAtPage3Of5MakesAnEmptyPageWithTheSamePicture) {
  pages.box1[3] = 7;
  pages.wave[3] = 9;
  pages.mark[3] = 2;
  pages.forward_transition[3] = 5;
  pages.text_file[5] = 4;
  pages.wave_played[3] = 1;
  pages.current_page = 3;
  carry_out(5);
  EXPECT_EQ(pages.page_count, 6);
  EXPECT_EQ(pages.current_page, 3);
  EXPECT_EQ(pages.picture[3], 13);
  EXPECT_EQ(pages.box1[3], 0);
  EXPECT_EQ(pages.box1_x[3], 0);
  EXPECT_EQ(pages.wave[3], 0);
  EXPECT_EQ(pages.mark[3], 0);
  EXPECT_EQ(pages.forward_transition[3], 1);
  EXPECT_EQ(pages.back_transition[3], 1);
  EXPECT_EQ(pages.picture[4], 13);
  EXPECT_EQ(pages.box1[4], 7);
  EXPECT_EQ(pages.wave[4], 9);
  EXPECT_EQ(pages.mark[4], 2);
  EXPECT_EQ(pages.forward_transition[4], 5);
  EXPECT_EQ(pages.text_file[6], 4);
  EXPECT_EQ(pages.picture[6], 15);
  EXPECT_EQ(pages.wave_played[3], 1);  // the played flags stay with their entries
  EXPECT_EQ(pages.wave_played[4], 0);
}

TEST_F(EditorTest, DeletingTheLastPageLeavesTheCurrentPageOneAbove) {
  pages.picture[6] = 99;
  pages.current_page = 5;
  carry_out(6);
  EXPECT_EQ(pages.page_count, 4);
  EXPECT_EQ(pages.current_page, 5);
  EXPECT_EQ(pages.picture[5], 99);
  carry_out(5);  // an insert there: page 5 is a new page, still inside the table
  EXPECT_EQ(pages.page_count, 5);
  EXPECT_EQ(pages.picture[5], 99);
  carry_out(6);
  carry_out(6);
  EXPECT_EQ(pages.page_count, 3);
}

TEST_F(EditorTest, DeletingTheOnlyPageKeepsOnePage) {
  pages.page_count = 1;
  pages.picture[2] = 42;
  editor.new_picture = 3;
  carry_out(6);
  EXPECT_EQ(pages.page_count, 1);
  EXPECT_EQ(pages.picture[1], 42);
  EXPECT_EQ(editor.new_picture, 0);
}

TEST_F(EditorTest, AFullBookRefusesAppendAndInsert) {
  pages.page_count = 299;
  pages.current_page = 299;
  pages.picture[299] = 5;
  carry_out(5);
  EXPECT_EQ(pages.page_count, 299);
  editor.new_picture = 8;
  carry_out(2);
  EXPECT_EQ(pages.page_count, 299);
  EXPECT_EQ(editor.new_picture, 0);
  carry_out(6);  // delete at 299: entry 299 has no successor and keeps its values
  EXPECT_EQ(pages.page_count, 298);
  EXPECT_EQ(pages.picture[299], 5);
}

TEST_F(EditorTest, IndexesStayInsideTheTableWhateverCurrentPageHolds) {
  for (std::int32_t current : {-7, 0, 300, 2147483647}) {
    pages.current_page = current;
    pages.page_count = 5;
    carry_out(5);
    carry_out(6);
    carry_out(7);
    carry_out(18, 10);
    carry_out(4);
  }
  EXPECT_LE(pages.page_count, 299);
}

TEST_F(EditorTest, AppendNeedsATypedPictureNumber) {
  carry_out(2);
  EXPECT_EQ(pages.page_count, 5);
  editor.new_picture = 21;
  editor.exchange_picture = 4;
  carry_out(2);
  EXPECT_EQ(pages.page_count, 6);
  EXPECT_EQ(pages.picture[6], 21);
  EXPECT_EQ(pages.current_page, 6);
  EXPECT_EQ(editor.new_picture, 0);
  EXPECT_EQ(editor.exchange_picture, 0);
}

TEST_F(EditorTest, ExchangeNeedsATypedPictureNumber) {
  pages.current_page = 2;
  carry_out(4);
  EXPECT_EQ(pages.picture[2], 12);
  editor.exchange_picture = 33;
  carry_out(4);
  EXPECT_EQ(pages.picture[2], 33);
  EXPECT_EQ(editor.exchange_picture, 0);
}

TEST_F(EditorTest, MarkButtonsToggleTheirMarks) {
  carry_out(7);
  EXPECT_EQ(pages.mark[1], 1);
  carry_out(18, 10);  // any non-zero mark is cleared by an upper half
  EXPECT_EQ(pages.mark[1], 0);
  carry_out(18, 10);
  EXPECT_EQ(pages.mark[1], 2);
  carry_out(19, 40);  // the lower half of button 3 switches 2 and 4
  EXPECT_EQ(pages.mark[1], 4);
  carry_out(19, 40);
  EXPECT_EQ(pages.mark[1], 2);
  carry_out(19, 30);  // exactly on the split: nothing
  EXPECT_EQ(pages.mark[1], 2);
  carry_out(19, 29);
  EXPECT_EQ(pages.mark[1], 0);
  carry_out(19, 29);
  EXPECT_EQ(pages.mark[1], 3);
  carry_out(19, 40);
  EXPECT_EQ(pages.mark[1], 3);
}

TEST_F(EditorTest, ToolbarModesForgetTheOtherTypedNumber) {
  editor.new_picture = 5;
  editor.exchange_picture = 6;
  carry_out(7);
  EXPECT_EQ(editor.new_picture, 0);
  EXPECT_EQ(editor.exchange_picture, 0);
}
