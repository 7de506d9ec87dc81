#include "screens/edit_mode_lines.h"

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

TEST_F(EditorTest, EditModeLinesAreTheAuthorsTextsInWindows1252) {
  pages.mark[1] = 4;
  pages.wave[1] = 12;
  editor.new_picture = 7;
  std::strcpy(config.book_file_name, "BUCH.DAT");
  EXPECT_EQ(line(0), "EDITMODUS W\xC4HLEN !");
  EXPECT_EQ(line(1), "EDITMODE 1 NEUE BILDNUMMER 7 ( F\xDCR ANH\xC4NGEN EINGEBEN )");
  EXPECT_EQ(line(4), "EDITMODE 4 BILD 11 GEGEN BILD NUMMER 0 AUSTAUSCHEN");
  EXPECT_EQ(line(6), "EDITMODE 6 SEITE L\xD6SCHEN");
  EXPECT_EQ(line(7), "EDITMODE 7 MARKIEREN  4");
  EXPECT_EQ(line(8), "EDITMODE 8 SPEICHERN BUCH.DAT");
  EXPECT_EQ(line(9), "EDITMODE 9 WAVENUMMER EINGEBEN ( 12 )");
  EXPECT_EQ(line(14), "EDITMODE 14 BOX 2 POS. ACHTUNG JEDER KLICK \xC4NDERT POS.");
  EXPECT_EQ(line(19), "EDITMODE 19 MARKIEREN  4");
  EXPECT_EQ(line(20), "EDITMODE 20 TEXTFILENUMMER");
  EXPECT_EQ(line(21), "");
}
