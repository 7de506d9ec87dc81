// Any bytes as lurinf.bin: every field stays inside its room and ends in a zero, the text
// prefix is the picture prefix with its "t", and start-up goes on with what was read: the
// title screen with both lines, the title music, the book file and the names built from the
// prefixes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/picture_files.h"
#include "screens/page_display.h"
#include "sound/music.h"
#include "sound/sound_files.h"
#include "started_program.h"
#include "tiny_files.h"

namespace {

constexpr char file_name[] = "lurinf.bin";
constexpr std::int32_t title_picture = 2;
constexpr std::int32_t numbers[] = {1, 2, 999, 1000, std::numeric_limits<std::int32_t>::max(),
                                     std::numeric_limits<std::int32_t>::min()};

template <std::size_t room_with_zero>
void check_field(const char (&field)[room_with_zero]) {
  if (!std::memchr(field, '\0', room_with_zero)) std::abort();
}

void check_fields() {
  check_field(config.picture_prefix);
  check_field(config.text_file_prefix);
  check_field(config.box_picture_prefix);
  check_field(config.sound_prefix);
  check_field(config.book_file_name);
  check_field(config.title_line1);
  check_field(config.title_line2);
  check_field(config.backup_file_name);
}

void check_text_prefix() {
  const std::size_t length = std::strlen(config.picture_prefix);
  if (std::strncmp(config.text_file_prefix, config.picture_prefix, length) != 0) std::abort();
  if (std::strcmp(config.text_file_prefix + length, "t") != 0) std::abort();
}

void build_every_name() {
  for (const std::int32_t number : numbers) {
    char picture[picture_name_room + 1];
    for (const char* prefix : {config.picture_prefix, config.box_picture_prefix})
      if (build_picture_file_name(prefix, number, picture) && std::strlen(picture) > picture_name_room) std::abort();
    char sound[sound_name_size];
    if (sound_file_name(number, sound) && std::strlen(sound) >= sound_name_size) std::abort();
    char text[text_file_name_room + 1];
    if (build_text_file_name(config.text_file_prefix, number, text) && std::strlen(text) > text_file_name_room)
      std::abort();
  }
}

// What start-up does with the configuration after reading it.
void start_up_with_it() {
  pages.default_box1_x = 100;
  pages.default_box1_y = 100;
  clear_page_table();
  pages.start_page = pages.page_count = pages.current_page = 1;
  load_book();
  if (pages.page_count < 1 || pages.page_count > max_page_count) std::abort();
  start_title_music();
  show_title_screen(title_picture);
  show_page(1, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = (start_program_in_scratch_folder(), set_default_names(), write_tiny_book_files(), true);
  (void)ready;
  write_scratch_file(file_name, data, size);
  reset_configuration();
  set_default_names();
  const std::int32_t result = read_configuration(file_name);
  check_fields();
  if (result == -1 || result < -2) std::abort();  // the file is there and reads
  if (result >= 0) {
    if (result >= 255) std::abort();  // one read takes at most 254 characters
    check_text_prefix();
  }
  build_every_name();
  if (result >= 0) start_up_with_it();
  return 0;
}
