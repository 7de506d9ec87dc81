#include "book/book_file.h"

#include <algorithm>
#include <vector>

#include "book/configuration.h"
#include "book/page_table.h"
#include "platform/files/file_lookup.h"
#include "platform/files/replacing_file_writer.h"
#include "platform/files/whole_file.h"
#include "screens/editor_state/editor_state.h"

namespace {

// One saved field: a single int32, an int32 array or the byte array `mark`.
struct Field {
  std::int32_t* ints;
  std::uint8_t* bytes;
  int count;
  int size() const { return ints ? count * 4 : count; }
};

// Books saved with this order rely on it: never reorder.
std::vector<Field> saved_fields() {
  auto ints = [](std::int32_t* p, int n) { return Field{p, nullptr, n}; };
  return {
      ints(&pages.start_page, 1),       ints(&pages.page_count, 1),     ints(pages.picture, page_capacity),
      ints(pages.box1, page_capacity),  ints(pages.wave, page_capacity), ints(pages.level, page_capacity),
      Field{nullptr, pages.mark, page_capacity},
      ints(pages.box1_x, page_capacity), ints(pages.box1_y, page_capacity), ints(pages.box2, page_capacity),
      ints(pages.box2_x, page_capacity), ints(pages.box2_y, page_capacity), ints(pages.box3, page_capacity),
      ints(pages.box3_x, page_capacity), ints(pages.box3_y, page_capacity),
      ints(pages.back_sound, page_capacity), ints(pages.back_transition, page_capacity),
      ints(pages.forward_transition, page_capacity), ints(pages.text_file, page_capacity),
  };
}

std::uint8_t field_byte(const Field& f, int i) {
  if (!f.ints) return f.bytes[i];
  const auto value = static_cast<std::uint32_t>(f.ints[i / 4]);
  return static_cast<std::uint8_t>(value >> (8 * (i % 4)));
}

// Kept quirk "Short book files": a short file overwrites only the bytes it holds; a partly
// read number keeps its other bytes.
void set_field_byte(const Field& f, int i, std::uint8_t byte) {
  if (!f.ints) {
    f.bytes[i] = byte;
    return;
  }
  const int shift = 8 * (i % 4);
  auto value = static_cast<std::uint32_t>(f.ints[i / 4]);
  value = (value & ~(0xFFu << shift)) | (std::uint32_t{byte} << shift);
  f.ints[i / 4] = static_cast<std::int32_t>(value);
}

// Mended fault "Saving never loses a book": the old file stays unless the new one is whole.
std::int32_t write_fields(const char* name, int size) {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  encode_book(bytes.data(), size);
  platform::ReplacingFileWriter writer;
  if (!writer.open(platform::path_for_writing(name))) return 1;
  int offset = 0;
  for (const Field& f : saved_fields()) {
    if (offset >= size) break;
    writer.write(bytes.data() + offset, static_cast<std::size_t>(f.size()));
    offset += f.size();
  }
  return writer.commit() ? 0 : 1;
}

}  // namespace

void encode_book(std::uint8_t* bytes, int size) {
  int offset = 0;
  for (const Field& f : saved_fields())
    for (int i = 0; i < f.size() && offset < size; ++i) bytes[offset++] = field_byte(f, i);
}

std::int32_t load_book() {
  BookFileFacts unused;
  return load_book_with_facts(unused);
}

std::int32_t load_book_with_facts(BookFileFacts& facts) {
  reset_editor_for_file_operation();
  const auto file = platform::WholeFile::read(config.book_file_name);
  if (!file) return 1;
  // Bytes beyond the layout are never looked at.
  const int size = static_cast<int>(std::min(file->size(), std::size_t{book_file_size}));
  int offset = 0;
  for (const Field& f : saved_fields())
    for (int i = 0; i < f.size() && offset < size; ++i) set_field_byte(f, i, file->data()[offset++]);
  facts = BookFileFacts{file->size(), pages.page_count};

  // Mended fault "No access outside a buffer": any other page count would index past the
  // arrays, and no book written here holds one.
  if (pages.page_count < 1) pages.page_count = 1;
  if (pages.page_count > max_page_count) pages.page_count = max_page_count;
  pages.start_page = 1;  // kept quirk "Start page after a load"
  pages.current_page = 1;
  pages.shown_box1 = pages.box1[1];
  return 0;
}

std::int32_t open_book(BookFileFacts* facts) {
  clear_page_table();
  pages.start_page = 1;
  pages.page_count = 1;
  pages.current_page = 1;
  pages.shown_box1 = pages.shown_box2 = pages.shown_box3 = 0;
  pages.picture[1] = 0;
  // A book that cannot be read leaves one empty page to build on.
  BookFileFacts unused;
  return load_book_with_facts(facts ? *facts : unused);
}

std::int32_t save_book() {
  reset_editor_for_file_operation();
  return write_fields(config.book_file_name, book_file_size);
}

std::int32_t write_backup() {
  reset_editor_for_file_operation();
  return write_fields(config.backup_file_name, backup_file_size) == 0 ? 1 : 0;
}
