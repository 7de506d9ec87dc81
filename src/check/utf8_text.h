#pragma once
// Text the player reads as Windows-1252 that a modern editor saved as UTF-8: every umlaut then
// shows as two characters ("ü" as "Ã¼").
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace check {

struct Utf8Text {
  bool found = false;  // the text is UTF-8 with at least one character beyond ASCII, or a BOM
  bool byte_order_mark = false;
  int line = 0;  // the line of the first such character, from 1
  // The word around it, as its author wrote it and as the player shows it (both UTF-8).
  std::string word;
  std::string shown_as;
};

// Reads as text mode does: the first Ctrl-Z ends the text.
Utf8Text find_utf8_text(std::span<const std::uint8_t> text);

// Names and lines from a book are Windows-1252 bytes, or sometimes UTF-8 already: UTF-8 to
// show on a terminal or a web page either way.
std::string displayable(const std::string& bytes);

}  // namespace check
