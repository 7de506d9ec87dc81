#pragma once
// What the contact sheet says about the book and each page, taken from the program's records
// as the player's start-up left them: numbers and the file names the player builds (UTF-8).
#include <cstdint>
#include <string>
#include <vector>

namespace proof {

struct BookFacts {
  std::string title_line1;
  std::string title_line2;
  std::string book_file;
  std::string picture_prefix;
  std::string box_picture_prefix;
  std::string sound_prefix;
  std::int32_t page_count = 0;
  std::int32_t title_music = 0;
  std::string title_music_file;
};

struct BoxFacts {
  int slot = 0;
  std::int32_t number = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string file;
  bool blinks = false;
  std::string highlighted_file;  // the picture it blinks with
};

struct PageFacts {
  std::int32_t page = 0;
  std::int32_t picture = 0;
  std::string picture_file;
  std::vector<BoxFacts> boxes;  // the boxes the page has
  std::int32_t mark = 0;
  std::int32_t level = 0;
  std::int32_t wave = 0;
  std::string wave_file;
  std::int32_t back_sound = 0;
  std::string back_sound_file;
  std::int32_t text_page = 0;
  std::string text_file;
  std::int32_t back_transition = 0;
  std::int32_t forward_transition = 0;
};

BookFacts book_facts();
// Pages 1 to page_count.
std::vector<PageFacts> page_facts();

}  // namespace proof
