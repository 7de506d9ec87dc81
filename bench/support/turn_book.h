#pragma once
// The book the page-turn benchmarks turn pages in: two pages with different pictures, three
// boxes and a full text page in font_medium, plain flips, so a turn is all work and no pause.
#include <cstdint>
#include <string>

#include "book_folder.h"

namespace turn_book {

inline constexpr std::int32_t first_turn_picture = 10;

// Also the configuration, the interface atlas and the title picture, with this title music.
void write_common_files(const reader_test::BookFolder& folder, std::int32_t title_music);
void write_turn_book(const reader_test::BookFolder& folder);

// A picture whose every row differs, so nothing about it is cheaper than a photograph's rows.
std::string gradient_picture(std::int32_t seed);
// The picture file of page 1 or 2.
std::string turn_picture_path(std::int32_t page);

}  // namespace turn_book
