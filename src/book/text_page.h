#pragma once
// Text pages: a numbered text file whose six header lines give the position, size and colour
// of the lines that follow. Read anew every time its page is shown, so an edited file shows.
#include <cstdint>

inline constexpr int text_line_capacity = 40;
inline constexpr int text_line_room = 90;       // characters of a stored line, with its zero
inline constexpr int text_line_cut = 78;        // longer lines keep this many
inline constexpr int text_read_size = 500;      // one read takes up to 499 characters
// Mended fault "No access outside a buffer": longer names are refused.
inline constexpr int text_file_name_room = 79;

inline constexpr std::int32_t text_page_read = 0;
inline constexpr std::int32_t text_page_not_opened = 1;
inline constexpr std::int32_t text_page_read_error = 9;

struct TextPage {
  std::int32_t text_x = 0;
  std::int32_t text_y = 0;
  std::int32_t text_size = 0;
  std::int32_t text_red = 0;
  std::int32_t text_green = 0;
  std::int32_t text_blue = 0;
  char text_lines[text_line_capacity][text_line_room] = {};  // each with its line end, if kept
  std::int32_t text_line_count = 0;
  std::int32_t line_step = 0;
  std::int32_t blank_step = 0;
};

extern TextPage text_page;

// Gives the whole record its start-up values (all zero).
void reset_text_page();

// What reading a text page found that the player does not act on, for the author tools.
struct TextPageFacts {
  int header_lines = 0;  // of the six, how many the file held
  // For each stored line: its length as read (up to text_read_size - 1, line end included),
  // and whether the read ended at a line end (else the line went on, or the file ended).
  std::int32_t read_length[text_line_capacity] = {};
  bool read_to_line_end[text_line_capacity] = {};
  // The last stored line was the 40th and text followed it, which is never read.
  bool text_after_last_line = false;
};

// Reads a text page into the record: text_page_read, text_page_not_opened, or
// text_page_read_error. Header lines the file does not reach read as 0.
std::int32_t load_text_page(const char* file_name);
// The same load, telling what it found.
std::int32_t load_text_page_with_facts(const char* file_name, TextPageFacts& facts);

// Prefix, number in decimal, ".DAT". False (and an empty name) when that exceeds the room;
// the caller treats such a page like a missing file.
bool build_text_file_name(const char* prefix, std::int32_t number, char (&name)[text_file_name_room + 1]);
