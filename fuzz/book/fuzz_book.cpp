// Any bytes as the book file: the load keeps every number in the arrays where the file puts
// it and the page count inside the table, a loaded book written out as a save writes it loads
// again unchanged, and its pages show, turn, blink and play whatever numbers they hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "screens/transitions.h"
#include "shell/box_blink.h"
#include "sound/music.h"
#include "started_program.h"
#include "tiny_files.h"

namespace {

constexpr char book_name[] = "BUCH.DAT";
constexpr int page_count_offset = 4;

std::uint8_t loaded_bytes[book_file_size];
std::uint8_t cleared_bytes[book_file_size];
std::uint8_t reloaded_bytes[book_file_size];

// The table as start-up leaves it right before it loads the book.
void clear_as_start_up_does() {
  pages.default_box1_x = 100;
  pages.default_box1_y = 100;
  clear_page_table();
  pages.start_page = 1;
  pages.page_count = 1;
  pages.current_page = 1;
  pages.shown_box1 = pages.shown_box2 = pages.shown_box3 = 0;
  pages.picture[1] = 0;
}

void set_up_folder() {
  start_program_in_scratch_folder();
  copy_text_field(config.book_file_name, book_file_name_room, book_name, sizeof book_name - 1);
  config.title_music = 5;
  write_tiny_book_files();
  start_title_music();
}

std::int32_t int_at(const std::uint8_t* bytes, int offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes[offset + i];
  return static_cast<std::int32_t>(value);
}

void check_load(const std::uint8_t* data, int size) {
  if (load_book() != 0) std::abort();
  encode_book(loaded_bytes, book_file_size);
  // Every byte the file holds lands where the file puts it; the rest keeps its cleared value.
  for (int i = 2 * page_count_offset; i < book_file_size; ++i)
    if (loaded_bytes[i] != (i < size ? data[i] : cleared_bytes[i])) std::abort();
  std::uint8_t stored[4];
  for (int i = 0; i < 4; ++i)
    stored[i] = page_count_offset + i < size ? data[page_count_offset + i] : cleared_bytes[page_count_offset + i];
  const std::int32_t count = int_at(stored, 0);
  const std::int32_t expected = count < 1 ? 1 : (count > max_page_count ? max_page_count : count);
  if (pages.page_count != expected || pages.start_page != 1 || pages.current_page != 1) std::abort();
  if (pages.shown_box1 != pages.box1[1]) std::abort();
}

void check_reload() {
  write_scratch_file(book_name, loaded_bytes, book_file_size);
  clear_as_start_up_does();
  if (load_book() != 0) std::abort();
  encode_book(reloaded_bytes, book_file_size);
  if (std::memcmp(reloaded_bytes, loaded_bytes, book_file_size) != 0) std::abort();
}

void show(int page, int view, std::int32_t transition) {
  pages.current_page = page;
  editor.editor_on = view;
  editor.status_view = static_cast<unsigned char>(view);
  follow_back_sound();
  show_page(page, view, transition);
  if (pages.mark[page_index(page)] > 0) {
    blink_start();
    blink_step();
    blink_step();
    blink_stop_timer();
  }
}

// The pages a reader meets first and last, and the entry after the last that deleting the
// last page shows; then the turn from the last page round to the first with its transition.
void show_pages() {
  const int last = pages.page_count;
  for (const int page : {1, 2, last, last + 1}) {
    if (page > max_page_count) continue;
    show(page, 0, 0);
    show(page, 1, 0);
  }
  editor.editor_on = 0;
  editor.status_view = 0;
  // The wipes 1 to 8 run the same whatever else the book holds, and slowly under the
  // sanitizers: only an effect number without a wipe is run here.
  const std::int32_t effect = pages.forward_transition[last];
  show(1, 0, wipe_plan(effect) ? 0 : effect);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = (set_up_folder(), true);
  (void)ready;
  write_scratch_file(book_name, data, size);
  clear_as_start_up_does();
  encode_book(cleared_bytes, book_file_size);
  const int held = size < book_file_size ? static_cast<int>(size) : book_file_size;
  check_load(data, held);
  check_reload();
  show_pages();
  return 0;
}
