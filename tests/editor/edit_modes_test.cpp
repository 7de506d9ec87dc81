#include "screens/edit_modes.h"

#include <cstring>
#include <string>

#include "book/configuration.h"
#include "editor_fixture.h"

namespace {

std::string line(std::int32_t mode) {
  char text[1024];
  format_edit_mode_line(text, sizeof text, mode);
  return text;
}

}  // namespace

TEST_F(EditorTest, EachEditModeShowsItsLineWithTheCurrentPagesValues) {
  pages.current_page = 2;
  pages.mark[2] = 4;
  pages.wave[2] = 21;
  pages.box1[2] = 22;
  pages.level[2] = 23;
  pages.box2[2] = 24;
  pages.box3[2] = 25;
  pages.back_sound[2] = 26;
  editor.new_picture = 7;
  editor.exchange_picture = 8;
  std::strcpy(config.book_file_name, "BUCH.DAT");
  const char* const expected[] = {
      "EDITMODUS W\xC4HLEN !",
      "EDITMODE 1 NEUE BILDNUMMER 7 ( F\xDCR ANH\xC4NGEN EINGEBEN )",
      "EDITMODE 2 BILDNUMMER 7 ANH\xC4NGEN !",
      "EDITMODE 3 BILDNUMMER 8 ( AUSTAUSCHEN ) EINGEBEN",
      "EDITMODE 4 BILD 12 GEGEN BILD NUMMER 8 AUSTAUSCHEN",
      "EDITMODE 5 INSERT PLATZ SCHAFFEN",
      "EDITMODE 6 SEITE L\xD6SCHEN",
      "EDITMODE 7 MARKIEREN  4",
      "EDITMODE 8 SPEICHERN BUCH.DAT",
      "EDITMODE 9 WAVENUMMER EINGEBEN ( 21 )",
      "EDITMODE 10 BOXNUMMER EINGEBEN ( 22 )",
      "EDITMODE 11 LEVELNR. EINGEBEN ( 23 )",
      "EDITMODE 12 2.BOXNUMMER EINGEBEN ( 24 )",
      "EDITMODE 13 BOX 1 POS. ACHTUNG JEDER KLICK \xC4NDERT POS.",
      "EDITMODE 14 BOX 2 POS. ACHTUNG JEDER KLICK \xC4NDERT POS.",
      "EDITMODE 15 BOX 3 POS. ACHTUNG JEDER KLICK \xC4NDERT POS.",
      "EDITMODE 16 3.BOXNUMMER EINGEBEN ( 25 )",
      "EDITMODE 17 BACKSOUND EINGEBEN ( 26 )",
      "EDITMODE 18 MARKIEREN  4",
      "EDITMODE 19 MARKIEREN  4",
      "EDITMODE 20 TEXTFILENUMMER",
  };
  for (std::int32_t mode = 0; mode <= 20; ++mode) EXPECT_EQ(line(mode), expected[mode]);
  EXPECT_EQ(line(21), "");
  EXPECT_EQ(line(-1), "");
}

TEST_F(EditorTest, EachNumberPromptHasItsModeTextAndTarget) {
  struct Case {
    std::int32_t mode;
    std::uint8_t prompt;
    const char* text;
    std::int32_t* target;
  };
  pages.current_page = 3;
  const Case cases[] = {
      {1, 1, "MODUS 1 BILDNUMMER EINGEBEN ( NEUES BILD ANH\xC4NGEN )", &editor.new_picture},
      {3, 2, "MODUS 2 BILDNUMMER EINGEBEN ( BILD AUSTAUSCHEN )", &editor.exchange_picture},
      {9, 3, "MODUS 3 WAVENUMMER EINGEBEN ( EINMALSOUND )", &pages.wave[3]},
      {10, 10, "MODUS 10 BOXNUMMER EINGEBEN ( AKTUELL )", &pages.box1[3]},
      {11, 11, "MODUS 11 LEVELNUMMER EINGEBEN ( AKTUELL )", &pages.level[3]},
      {12, 12, "MODUS 12 2. BOXNUMMER EINGEBEN", &pages.box2[3]},
      {16, 16, "MODUS 16 3. BOXNUMMER EINGEBEN", &pages.box3[3]},
      {17, 17, "MODUS 17 BACKSOUND EINGEBEN", &pages.back_sound[3]},
      {20, 20, "MODUS 20 TEXTFILENR. EINGEBEN", &pages.text_file[3]},
  };
  int prompting_modes = 0;
  for (std::int32_t mode = 0; mode <= 20; ++mode) prompting_modes += prompt_of_mode(mode) != 0;
  EXPECT_EQ(prompting_modes, 9);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(prompt_of_mode(c.mode), c.prompt);
    EXPECT_STREQ(prompt_text(c.prompt), c.text);
    EXPECT_EQ(prompt_target(c.prompt), c.target);
  }
  EXPECT_STREQ(prompt_text(9), "");
  EXPECT_EQ(prompt_target(9), nullptr);
}
