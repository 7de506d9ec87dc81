#pragma once
// Writes the whole demo book into a folder: lurinf.bin, the book file, the pictures (the
// interface atlas, the title and the story's pages), the box pictures, the text pages and
// the sounds.
#include <string>

namespace demo {

struct DemoBookSummary {
  int pages = 0;
  int pictures = 0;
  int box_pictures = 0;
  int text_pages = 0;
  int sounds = 0;
};

// False when a folder or a file cannot be written; `problem` then names it.
bool write_demo_book(const std::string& folder, DemoBookSummary& summary, std::string& problem);

}  // namespace demo
