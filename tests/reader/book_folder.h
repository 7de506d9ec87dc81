#pragma once
// A book folder written from scratch: lurinf.bin, an interface atlas whose parts each have a
// colour of their own, a title picture, page and box pictures, text pages, sounds and the
// book file. Every colour is one a test can look for on screen.
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

#include "book/page_table.h"
#include "platform/display/surface.h"

namespace reader_test {

using platform::Rgb;

// The atlas's parts, as the program copies them (source rectangles in the atlas).
inline constexpr Rgb atlas_background{60, 60, 60};
inline constexpr Rgb cursor_colour{255, 0, 255};  // the cursor's black part is transparent
inline constexpr Rgb nav_bar_colour{0, 0, 200};
inline constexpr Rgb mark_colour{255, 128, 0};  // the mark symbol, also the slider knob
inline constexpr Rgb toolbar_colour{0, 160, 0};
inline constexpr Rgb side_buttons_colour{160, 0, 160};
inline constexpr Rgb status_bar_colour{0, 160, 160};
inline constexpr Rgb menu_panel_colour{230, 230, 200};
inline constexpr Rgb slider_bar_colour{100, 60, 20};
inline constexpr Rgb volume_marker_colour{200, 0, 0};
inline constexpr Rgb title_colour{0, 100, 0};
inline constexpr Rgb white{255, 255, 255};

inline Rgb level_strip_colour(int n) { return {4 * n, 120, 60}; }

// Page pictures 1024 x 768 and box pictures: one colour per number (numbers below 60).
inline Rgb page_colour(std::int32_t picture) { return {20 + 3 * picture, 50, 90 + picture}; }
inline Rgb box_colour(std::int32_t box) { return {220, 20 + 4 * box, 20}; }

inline constexpr std::int32_t interface_atlas_picture = 1;
inline constexpr std::int32_t title_picture = 2;
inline constexpr char book_file_name[] = "BOOK.DAT";
inline constexpr char title_line1[] = "EIN BUCH";
inline constexpr char title_line2[] = "ZUM TESTEN";

class BookFolder {
 public:
  explicit BookFolder(std::filesystem::path dir) : dir_(std::move(dir)) {}

  // lurinf.bin with the prefixes "acs", "acb", "bsou", BOOK.DAT, the title lines and the
  // title music (0: none).
  void write_configuration(std::int32_t title_music) const;
  void write_interface_atlas() const;
  void write_title_picture() const;
  // A whole-screen picture of page_colour(number).
  void write_picture(std::int32_t number) const;
  void write_box(std::int32_t number, int width, int height) const;
  void write_text_page(std::int32_t number, const std::string& contents) const;
  // An 8-bit mono PCM sound of `ms` milliseconds at the rate the program plays every sound.
  void write_sound(std::int32_t number, int ms) const;
  // The book file as the program saves it, whatever the table holds.
  void write_book(const PageTable& book) const;

  void write_file(const std::string& name, const std::string& bytes) const;
  static std::string picture_file_name(const char* prefix, std::int32_t number);
  const std::filesystem::path& dir() const { return dir_; }

 private:
  std::filesystem::path dir_;
};

// 24-bit BMP bytes of a whole-screen picture of one colour.
std::string whole_screen_bmp(Rgb colour);

}  // namespace reader_test
