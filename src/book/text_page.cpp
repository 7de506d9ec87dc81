#include "book/text_page.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "book/configuration.h"
#include "book/decimal.h"
#include "platform/files/text_reader.h"

TextPage text_page;

void reset_text_page() { text_page = TextPage{}; }

std::int32_t load_text_page(const char* file_name) {
  platform::TextReader reader(file_name ? file_name : "");
  if (!reader.is_open()) return text_page_not_opened;
  text_page.text_line_count = 0;

  char line[text_read_size];
  std::int32_t* const header[] = {&text_page.text_x,   &text_page.text_y,     &text_page.text_size,
                                  &text_page.text_red, &text_page.text_green, &text_page.text_blue};
  for (std::int32_t* value : header)
    *value = reader.read_line(line, text_read_size) ? decimal_to_int32(line) : 0;

  while (text_page.text_line_count < text_line_capacity) {
    // A read error during the header is still pending here and ends the load the same way.
    if (!reader.read_line(line, text_read_size))
      return reader.error() ? text_page_read_error : text_page_read;
    if (line[0] == '#') return text_page_read;
    copy_text_field(text_page.text_lines[text_page.text_line_count], text_line_cut, line,
                    static_cast<int>(std::strlen(line)));
    ++text_page.text_line_count;
  }
  return text_page_read;
}

bool build_text_file_name(const char* prefix, std::int32_t number, char (&name)[text_file_name_room + 1]) {
  const int length = std::snprintf(name, sizeof name, "%s%" PRId32 ".DAT", prefix, number);
  if (length < 0 || length > text_file_name_room) {
    name[0] = '\0';
    return false;
  }
  return true;
}
