#include "book_folder.h"

#include <memory>
#include <vector>

#include "book/book_file.h"
#include "graphics/atlas_layout.h"
#include "graphics/picture_files.h"
#include "support/bmp_writer.h"
#include "support/temp_dir.h"
#include "support/wav_writer.h"

namespace reader_test {

namespace {

constexpr std::uint32_t sound_rate = 22050;

struct AtlasPart {
  AtlasRect rect;
  Rgb colour;
};

constexpr AtlasPart atlas_parts[] = {
    {atlas::nav_bar, nav_bar_colour},       {atlas::mark_symbol, mark_colour},
    {atlas::toolbar, toolbar_colour},       {atlas::side_buttons, side_buttons_colour},
    {atlas::status_bar, status_bar_colour}, {atlas::menu_panel, menu_panel_colour},
    {atlas::slider_bar, slider_bar_colour}, {atlas::volume_marker, volume_marker_colour},
};

std::uint32_t packed(Rgb c) {
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | static_cast<std::uint32_t>(c.b);
}

std::uint32_t atlas_pixel(int x, int y) {
  // An arrow: the lower-left half of the cursor square, the rest black and so transparent.
  if (x < atlas::cursor.width && y < atlas::cursor.height) return x <= y ? packed(cursor_colour) : 0;
  if (x >= atlas::level_strips.x && y < atlas::level_strips.height)
    return packed(level_strip_colour(y / atlas::level_strip(1).height + 1));
  for (const auto& [r, colour] : atlas_parts)
    if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height) return packed(colour);
  return packed(atlas_background);
}

}  // namespace

std::string whole_screen_bmp(Rgb colour) {
  const std::uint32_t c = packed(colour);
  return test_support::make_bmp24(platform::screen_width, platform::screen_height, [c](int, int) { return c; });
}

void BookFolder::write_file(const std::string& name, const std::string& bytes) const {
  test_support::write_file(dir_ / name, bytes);
}

std::string BookFolder::picture_file_name(const char* prefix, std::int32_t number) {
  char name[picture_name_room + 1];
  build_picture_file_name(prefix, number, name);
  return name;
}

void BookFolder::write_configuration(std::int32_t title_music) const {
  write_file("lurinf.bin", std::string("acs\nacb\nbsou\n") + book_file_name + "\n" + title_line1 + "\n" +
                               title_line2 + "\n" + std::to_string(title_music) + "\n");
}

void BookFolder::write_interface_atlas() const {
  write_file(picture_file_name("acs", interface_atlas_picture),
             test_support::make_bmp24(platform::screen_width, platform::screen_height, atlas_pixel));
}

void BookFolder::write_title_picture() const {
  write_file(picture_file_name("acs", title_picture), whole_screen_bmp(title_colour));
}

void BookFolder::write_picture(std::int32_t number) const {
  write_file(picture_file_name("acs", number), whole_screen_bmp(page_colour(number)));
}

void BookFolder::write_box(std::int32_t number, int width, int height) const {
  const std::uint32_t c = packed(box_colour(number));
  write_file(picture_file_name("acb", number), test_support::make_bmp24(width, height, [c](int, int) { return c; }));
}

void BookFolder::write_text_page(std::int32_t number, const std::string& contents) const {
  write_file("acst" + std::to_string(number) + ".DAT", contents);
}

void BookFolder::write_sound(std::int32_t number, int ms) const {
  write_file("bsou" + std::to_string(number) + ".WAV", test_support::make_wav({1, 1, sound_rate, 8}, ms / 1000.0));
}

void BookFolder::write_book(const PageTable& book) const {
  // encode_book reads the program's own table; lend it the book for the moment.
  const auto saved = std::make_unique<PageTable>(pages);
  pages = book;
  std::vector<std::uint8_t> bytes(book_file_size);
  encode_book(bytes.data(), book_file_size);
  pages = *saved;
  write_file(book_file_name, std::string(bytes.begin(), bytes.end()));
}

}  // namespace reader_test
