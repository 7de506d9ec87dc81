#include "screens/editor_prompt.h"

#include "book/page_table.h"
#include "editor_fixture.h"

namespace {

void type(const std::string& text, std::uint8_t prompt) {
  for (unsigned char c : text) prompt_key(c, prompt);
}

}  // namespace

TEST_F(EditorTest, TheWavePromptStartsWithTheCurrentValueAndEnterStoresIt) {
  start_entry(3);
  EXPECT_EQ(editor.prompt_mode, 3);
  EXPECT_EQ(entry(), "0");
  type("7", 3);
  EXPECT_EQ(entry(), "07");
  prompt_key(13, 3);
  EXPECT_EQ(editor.prompt_mode, 0);
  EXPECT_EQ(pages.wave[1], 7);
}

TEST_F(EditorTest, ThePromptIsDrawnOnTheScreenWithItsEntry) {
  fill(screen.primary_surface, {0, 0, 0});
  pages.back_sound[1] = -12;
  start_entry(17);
  EXPECT_EQ(entry(), "-12");
  EXPECT_GT(count_of(screen.primary_surface, {200, 100, 100}, 20, 58, 300, 10), 20);
  EXPECT_GT(count_of(screen.primary_surface, {255, 255, 255}, 20, 68, 4 * 17, 32), 20);
}

TEST_F(EditorTest, BackspaceTabAndAnEmptyEnterCancel) {
  editor.new_picture = 5;
  start_entry(1);
  editor.exchange_picture = 6;
  prompt_key(8, 1);
  EXPECT_EQ(entry(), "");
  type("12", 1);
  prompt_key(9, 1);
  EXPECT_EQ(entry(), "");
  prompt_key(13, 1);
  EXPECT_EQ(editor.prompt_mode, 0);
  EXPECT_EQ(editor.new_picture, 0);
  EXPECT_EQ(editor.exchange_picture, 0);
}

TEST_F(EditorTest, SpacesOnlyAfterTwoCharactersAndOnlyAcceptedCharacters) {
  pages.box1[1] = 4;
  start_entry(10);
  type(" ", 10);
  EXPECT_EQ(entry(), "4");
  type("2 ", 10);
  EXPECT_EQ(entry(), "42 ");
  type("+-.,\x7B\xC4\xFC\xDF", 10);  // only Ä and ü of these are accepted
  EXPECT_EQ(entry(), "42 \xC4\xFC");
}

TEST_F(EditorTest, TheAcceptedCharactersAtTheirEdges) {
  // Each accepted character beside its nearest refused neighbours: digits, A..z (the six signs
  // between Z and a included) and the six umlauts; 215 and 223 sit among them.
  const unsigned char accepted[] = {'0', '9', 'A', 'Z', '[', '`', 'a', 'z', 196, 214, 220, 228, 246, 252};
  const unsigned char refused[] = {'/', ':', '@', '{', 195, 197, 213, 215, 219, 221, 223, 227, 229, 245, 247, 251, 253};
  for (const unsigned char c : accepted) {
    start_entry(10);
    prompt_key(c, 10);
    EXPECT_EQ(entry(), std::string("0") + static_cast<char>(c)) << int{c};
  }
  for (const unsigned char c : refused) {
    start_entry(10);
    prompt_key(c, 10);
    EXPECT_EQ(entry(), "0") << int{c};
  }
}

TEST_F(EditorTest, SeventeenCharactersAtMostAndBackspaceStillWorks) {
  start_entry(11);
  type("1234567890123456", 11);
  EXPECT_EQ(entry().size(), 17u);
  type("9", 11);
  EXPECT_EQ(entry().size(), 17u);
  prompt_key(8, 11);
  EXPECT_EQ(entry().size(), 16u);
  prompt_key(13, 11);
  EXPECT_EQ(pages.level[1], 2147483647);  // 16 digits saturate
}

TEST_F(EditorTest, LettersAfterDigitsAreIgnoredWhenStored) {
  start_entry(12);
  prompt_key(8, 12);
  type("35ab", 12);
  prompt_key(13, 12);
  EXPECT_EQ(pages.box2[1], 35);
  pages.box3[1] = 9;
  start_entry(16);
  prompt_key(9, 16);
  type("xyz", 16);
  prompt_key(13, 16);
  EXPECT_EQ(pages.box3[1], 0);
}

TEST_F(EditorTest, EscapeStoresNothing) {
  pages.text_file[1] = 3;
  start_entry(20);
  type("8", 20);
  prompt_key(27, 20);
  EXPECT_EQ(editor.prompt_mode, 0);
  EXPECT_EQ(pages.text_file[1], 3);
}
