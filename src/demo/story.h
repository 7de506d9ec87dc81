#pragma once
// "Pieks und der kleine Stern": the demo book's story, page by page, drawn by code. A page is
// its picture, up to three box pictures (each with its highlighted twin), its text and the
// numbers the book file keeps for it.
#include <array>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "demo/canvas.h"

namespace demo {

struct BoxArt {
  int x = 0, y = 0, width = 0, height = 0;
  Surface plain;
  Surface highlighted;
};

// A text page: lines in UTF-8, drawn by the program at (x, y) in size 0..3 and `colour`.
struct PageText {
  int x = 0, y = 0, size = 2;
  Rgb colour;
  std::vector<std::string> lines;
};

struct StoryPage {
  Surface picture;
  std::array<std::optional<BoxArt>, 3> boxes;
  PageText text;
  int level = 0;
  int mark = 0;
  int wave = 0;
  int back_sound = 0;
};

std::vector<StoryPage> make_story();
// Picture 2: the title screen, with a dark band at the bottom for the title lines.
Surface draw_title_picture();

// Helpers the page drawings share.
// The lines with an empty line after each but the last: the program steps less than a font's
// height from line to line, and an empty line adds the rest.
std::vector<std::string> spaced(std::initializer_list<const char*> lines);
// Paints the card the text will be printed on, fitted around where the program draws it.
void draw_card_for(Surface& picture, const PageText& text, bool night);
// A box cut out of the finished picture with the object drawn in, plain and highlighted.
BoxArt cut_box(const Surface& picture, int x, int y, int width, int height,
               const std::function<void(Surface&, bool highlighted)>& draw_object);

std::vector<StoryPage> day_pages();
std::vector<StoryPage> evening_pages();

}  // namespace demo
