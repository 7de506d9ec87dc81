#include "screens/edit_mode_lines.h"

#include <cstdio>

#include "book/configuration.h"
#include "book/page_table.h"
#include "screens/editor_state/editor_state.h"

void format_edit_mode_line(char* out, std::size_t size, std::int32_t m) {
  const int p = page_index(pages.current_page);
  const int mark = pages.mark[p];
  switch (m) {
    case 0: std::snprintf(out, size, "EDITMODUS W\304HLEN !"); break;
    case 1:
      std::snprintf(out, size, "EDITMODE %d NEUE BILDNUMMER %d ( F\334R ANH\304NGEN EINGEBEN )", m,
                    editor.new_picture);
      break;
    case 2: std::snprintf(out, size, "EDITMODE %d BILDNUMMER %d ANH\304NGEN !", m, editor.new_picture); break;
    case 3:
      std::snprintf(out, size, "EDITMODE %d BILDNUMMER %d ( AUSTAUSCHEN ) EINGEBEN", m, editor.exchange_picture);
      break;
    case 4:
      std::snprintf(out, size, "EDITMODE %d BILD %d GEGEN BILD NUMMER %d AUSTAUSCHEN", m, pages.picture[p],
                    editor.exchange_picture);
      break;
    case 5: std::snprintf(out, size, "EDITMODE %d INSERT PLATZ SCHAFFEN", m); break;
    case 6: std::snprintf(out, size, "EDITMODE %d SEITE L\326SCHEN", m); break;
    case 7:
    case 18:
    case 19: std::snprintf(out, size, "EDITMODE %d MARKIEREN %2d", m, mark); break;
    case 8: std::snprintf(out, size, "EDITMODE %d SPEICHERN %s", m, config.book_file_name); break;
    case 9: std::snprintf(out, size, "EDITMODE %d WAVENUMMER EINGEBEN ( %d )", m, pages.wave[p]); break;
    case 10: std::snprintf(out, size, "EDITMODE %d BOXNUMMER EINGEBEN ( %d )", m, pages.box1[p]); break;
    case 11: std::snprintf(out, size, "EDITMODE %d LEVELNR. EINGEBEN ( %d )", m, pages.level[p]); break;
    case 12: std::snprintf(out, size, "EDITMODE %d 2.BOXNUMMER EINGEBEN ( %d )", m, pages.box2[p]); break;
    case 13:
    case 14:
    case 15:
      std::snprintf(out, size, "EDITMODE %d BOX %d POS. ACHTUNG JEDER KLICK \304NDERT POS.", m, m - 12);
      break;
    case 16: std::snprintf(out, size, "EDITMODE %d 3.BOXNUMMER EINGEBEN ( %d )", m, pages.box3[p]); break;
    case 17: std::snprintf(out, size, "EDITMODE %d BACKSOUND EINGEBEN ( %d )", m, pages.back_sound[p]); break;
    case 20: std::snprintf(out, size, "EDITMODE %d TEXTFILENUMMER", m); break;
    default:
      if (size > 0) out[0] = '\0';
  }
}
