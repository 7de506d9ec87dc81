#include "support/turn_book.h"

#include <memory>

#include "book/page_table.h"
#include "platform/display/surface.h"
#include "support/bmp_writer.h"

namespace turn_book {

namespace {

constexpr int text_lines = 40;
constexpr int text_line_length = 60;
constexpr int turn_box_width = 200;
constexpr int turn_box_height = 150;

}  // namespace

using reader_test::BookFolder;

std::string gradient_picture(std::int32_t seed) {
  return test_support::make_bmp24(platform::screen_width, platform::screen_height, [seed](int x, int y) {
    return static_cast<std::uint32_t>((x * 7 + seed) & 255) << 16 | static_cast<std::uint32_t>((y * 3) & 255) << 8 |
           static_cast<std::uint32_t>((x ^ y) & 255);
  });
}

void write_common_files(const BookFolder& folder, std::int32_t title_music) {
  folder.write_configuration(title_music);
  folder.write_interface_atlas();
  folder.write_title_picture();
}

void write_turn_book(const BookFolder& folder) {
  write_common_files(folder, 0);
  std::string text = "10\n10\n2\n255\n255\n0\n";
  for (int i = 0; i < text_lines; ++i) text += std::string(text_line_length, static_cast<char>('A' + i % 26)) + "\n";
  folder.write_text_page(1, text);
  auto book = std::make_unique<PageTable>();
  book->page_count = 2;
  for (int p = 1; p <= 2; ++p) {
    const std::int32_t picture = first_turn_picture + p - 1;
    folder.write_file(BookFolder::picture_file_name("acs", picture), gradient_picture(picture));
    book->picture[p] = picture;
    book->text_file[p] = 1;
    const std::int32_t boxes[] = {40 + 6 * p, 42 + 6 * p, 44 + 6 * p};
    for (std::int32_t box : boxes) folder.write_box(box, turn_box_width, turn_box_height);
    book->box1[p] = boxes[0];
    book->box2[p] = boxes[1];
    book->box3[p] = boxes[2];
    book->box1_x[p] = 50;
    book->box2_x[p] = 350;
    book->box3_x[p] = 650;
    book->box1_y[p] = book->box2_y[p] = book->box3_y[p] = 300;
  }
  folder.write_book(*book);
}

std::string turn_picture_path(std::int32_t page) {
  return BookFolder::picture_file_name("acs", first_turn_picture + page - 1);
}

}  // namespace turn_book
