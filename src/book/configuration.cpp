#include "book/configuration.h"

#include <cstring>

#include "book/decimal.h"
#include "platform/files/text_reader.h"

Configuration config;

namespace {

constexpr int line_buffer_size = 255;

// Kept quirk "Missing lurinf.bin lines": lines 1..6 lose their last character (normally the
// line end), then fit their field.
void store_line(char* field, int room, const char* line) {
  int length = static_cast<int>(std::strlen(line));
  if (length > 0) --length;
  copy_text_field(field, room, line, length);
}

}  // namespace

void copy_text_field(char* field, int room, const char* text, int length) {
  const int n = length < room ? length : room;
  std::memcpy(field, text, static_cast<std::size_t>(n > 0 ? n : 0));
  field[n > 0 ? n : 0] = '\0';
}

void reset_configuration() { config = Configuration{}; }

void set_default_names() {
  auto set = [](char* field, int room, const char* text) {
    copy_text_field(field, room, text, static_cast<int>(std::strlen(text)));
  };
  set(config.picture_prefix, picture_prefix_room, "acs");
  set(config.box_picture_prefix, prefix_room, "acb");
  set(config.text_file_prefix, prefix_room, "acst");
  set(config.sound_prefix, prefix_room, "bsou");
  set(config.backup_file_name, backup_file_name_room, "SCR0.BIX");
}

std::int32_t read_configuration(const char* file_name) {
  platform::TextReader reader(file_name);
  if (!reader.is_open()) return -1;

  struct Target {
    char* field;
    int room;
  };
  const Target targets[6] = {
      {config.picture_prefix, picture_prefix_room}, {config.box_picture_prefix, prefix_room},
      {config.sound_prefix, prefix_room},           {config.book_file_name, book_file_name_room},
      {config.title_line1, title_line_room},        {config.title_line2, title_line_room},
  };
  // Kept quirk "Missing lurinf.bin lines": at the end of the file the buffer keeps the line
  // before, so each missing line repeats it.
  char line[line_buffer_size] = {};
  bool any_line = false;
  for (int i = 0; i < 6; ++i) {
    any_line = reader.read_line(line, line_buffer_size) || any_line;
    if (reader.error() || !any_line) return -2;
    store_line(targets[i].field, targets[i].room, line);
    if (i == 0) {
      const int length = static_cast<int>(std::strlen(config.picture_prefix));
      copy_text_field(config.text_file_prefix, prefix_room, config.picture_prefix, length);
      copy_text_field(config.text_file_prefix + length, prefix_room - length, "t", 1);
    }
  }
  const auto line6_length = static_cast<std::int32_t>(std::strlen(line));
  reader.read_line(line, line_buffer_size);
  if (reader.error()) return -2;
  config.title_music = decimal_to_int32(line);
  return line6_length;
}
