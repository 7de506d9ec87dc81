#pragma once
// The seven-line configuration file "lurinf.bin": name prefixes, book file, title lines and
// title music. Each field has a fixed room; longer lines are cut to it (mended fault "No
// access outside a buffer").
#include <cstdint>

inline constexpr int picture_prefix_room = 78;  // leaves room for the text prefix's "t"
inline constexpr int prefix_room = 79;
inline constexpr int book_file_name_room = 263;
inline constexpr int title_line_room = 159;
inline constexpr int backup_file_name_room = 79;

struct Configuration {
  char picture_prefix[picture_prefix_room + 1] = {};
  char text_file_prefix[prefix_room + 1] = {};
  char box_picture_prefix[prefix_room + 1] = {};
  char sound_prefix[prefix_room + 1] = {};
  char book_file_name[book_file_name_room + 1] = {};
  char title_line1[title_line_room + 1] = {};
  char title_line2[title_line_room + 1] = {};
  char backup_file_name[backup_file_name_room + 1] = {};
  // The sound number the music channel is meant to play: first the configured title music,
  // then each back sound the music follows.
  std::int32_t title_music = 0;
};

extern Configuration config;

// Gives the whole record its start-up values (all empty).
void reset_configuration();

// The names used before the configuration is read: "acs", "acb", "acst", "bsou", "SCR0.BIX".
void set_default_names();

// Reads the configuration. Returns -1 when the file cannot be opened, -2 after a read error,
// else the length of line 6 as read (with its line end). A file without any line is a read
// error (-2): there is no earlier line to repeat.
std::int32_t read_configuration(const char* file_name);

// Copies at most `room` characters of `length` bytes and zero-terminates.
void copy_text_field(char* field, int room, const char* text, int length);
