#include "screens/editor_clicks.h"

#include "screens/editor_prompt.h"

#include "editor_fixture.h"

TEST(EditorButtons, ToolbarAndSideButtonAreas) {
  EXPECT_EQ(editor_button_at(0, 719), 1);
  EXPECT_EQ(editor_button_at(49, 767), 1);
  EXPECT_EQ(editor_button_at(750, 719), 16);
  EXPECT_EQ(editor_button_at(799, 719), 16);
  EXPECT_EQ(editor_button_at(800, 719), 0);
  EXPECT_EQ(editor_button_at(10, 718), 0);
  EXPECT_EQ(editor_button_at(801, 0), 17);
  EXPECT_EQ(editor_button_at(850, 10), 0);
  EXPECT_EQ(editor_button_at(851, 49), 18);
  EXPECT_EQ(editor_button_at(900, 10), 0);
  EXPECT_EQ(editor_button_at(949, 10), 19);
  EXPECT_EQ(editor_button_at(950, 10), 0);
  EXPECT_EQ(editor_button_at(999, 10), 20);
  EXPECT_EQ(editor_button_at(999, 50), 0);
}

TEST_F(EditorTest, TheFirstClickChoosesAndTheSecondCarriesOutAndAThirdAgain) {
  EXPECT_EQ(editor_left_click(225, 740), EditorClick::redraw);  // button 5
  EXPECT_EQ(editor.armed_mode, 5);
  EXPECT_EQ(pages.page_count, 5);
  editor_left_click(225, 740);
  EXPECT_EQ(pages.page_count, 6);
  editor_left_click(225, 740);
  EXPECT_EQ(pages.page_count, 7);
  editor_left_click(275, 740);  // button 6 is only chosen
  EXPECT_EQ(pages.page_count, 7);
}

TEST_F(EditorTest, BoxPlacementTakesEveryLeftClick) {
  editor_left_click(675, 740);  // button 14 chosen: placing box 2 starts at once
  EXPECT_EQ(editor.edit_mode, 14);
  EXPECT_EQ(editor_left_click(20, 740), EditorClick::wait);  // on the toolbar: moves the box
  EXPECT_EQ(pages.box2_x[1], 20);
  EXPECT_EQ(pages.box2_y[1], 740);
  EXPECT_EQ(editor.edit_mode, 14);
}

TEST_F(EditorTest, ALeftClickClosesAnOpenPromptWithoutStoring) {
  editor_left_click(425, 740);  // button 9 chosen
  EXPECT_EQ(editor_left_click(425, 740), EditorClick::wait);
  EXPECT_EQ(editor.prompt_mode, 3);
  prompt_key('5', 3);
  EXPECT_EQ(editor_left_click(425, 740), EditorClick::redraw);
  EXPECT_EQ(editor.prompt_mode, 0);
  EXPECT_EQ(editor.edit_mode, 0);
  EXPECT_EQ(editor.armed_mode, 0);
  EXPECT_EQ(pages.wave[1], 0);
}

TEST_F(EditorTest, ClicksOutsideTheButtonsGoToTheReader) {
  EXPECT_EQ(editor_left_click(500, 300), EditorClick::not_taken);
  editor.new_picture = 4;
  EXPECT_EQ(editor_left_click(900, 10), EditorClick::not_taken);  // a gap still forgets the numbers
  EXPECT_EQ(editor.new_picture, 0);
  EXPECT_EQ(editor_left_click(900, 740), EditorClick::not_taken);  // the navigation bar
}
