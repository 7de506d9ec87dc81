#include "book/text_page.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "book/configuration.h"
#include "book/decimal.h"
#include "platform/files/text_reader.h"

TextPage text_page;

void reset_text_page() { text_page = TextPage{}; }

namespace {

// `look_further`: after a 40th line, read one more to tell whether text followed it (the
// player itself never does).
std::int32_t read_text_page(const char* file_name, TextPageFacts& found, bool look_further) {
  platform::TextReader reader(file_name ? file_name : "");
  if (!reader.is_open()) return text_page_not_opened;
  text_page.text_line_count = 0;
  found = TextPageFacts{};

  char line[text_read_size];
  std::int32_t* const header[] = {&text_page.text_x,   &text_page.text_y,     &text_page.text_size,
                                  &text_page.text_red, &text_page.text_green, &text_page.text_blue};
  for (std::int32_t* value : header) {
    const bool read = reader.read_line(line, text_read_size);
    *value = read ? decimal_to_int32(line) : 0;
    found.header_lines += read ? 1 : 0;
  }

  while (text_page.text_line_count < text_line_capacity) {
    // A read error during the header is still pending here and ends the load the same way.
    if (!reader.read_line(line, text_read_size))
      return reader.error() ? text_page_read_error : text_page_read;
    if (line[0] == '#') return text_page_read;
    const int length = static_cast<int>(std::strlen(line));
    copy_text_field(text_page.text_lines[text_page.text_line_count], text_line_cut, line, length);
    found.read_length[text_page.text_line_count] = length;
    found.read_to_line_end[text_page.text_line_count] = length > 0 && line[length - 1] == '\n';
    ++text_page.text_line_count;
  }
  if (look_further) found.text_after_last_line = reader.read_line(line, text_read_size) && line[0] != '#';
  return text_page_read;
}

}  // namespace

std::int32_t load_text_page(const char* file_name) {
  TextPageFacts unused;
  return read_text_page(file_name, unused, false);
}

std::int32_t load_text_page_with_facts(const char* file_name, TextPageFacts& facts) {
  return read_text_page(file_name, facts, true);
}

bool build_text_file_name(const char* prefix, std::int32_t number, char (&name)[text_file_name_room + 1]) {
  const int length = std::snprintf(name, sizeof name, "%s%" PRId32 ".DAT", prefix, number);
  if (length < 0 || length > text_file_name_room) {
    name[0] = '\0';
    return false;
  }
  return true;
}
