#pragma once
// The book file: a raw little-endian image of the saved page-table fields, 19,508 bytes, and
// the backup "SCR0.BIX", the first 15,908 bytes of the same layout.
#include <cstddef>
#include <cstdint>

inline constexpr int book_file_size = 19508;
inline constexpr int backup_file_size = 15908;

// What reading the book file found that the player does not act on, for the author tools.
struct BookFileFacts {
  std::size_t file_size = 0;
  // page_count as the file holds it, before it is clamped into 1..max_page_count.
  std::int32_t stored_page_count = 0;
};

// 0 = loaded, 1 = the book file cannot be opened. A short file loads as far as it reaches.
std::int32_t load_book();
// The same load, telling what it found.
std::int32_t load_book_with_facts(BookFileFacts& facts);

// The book as start-up opens it: a cleared table with one empty page, then the book file.
// Returns load_book's result.
std::int32_t open_book(BookFileFacts* facts = nullptr);
// 0 = saved, 1 = not saved (the previous book file is then untouched).
std::int32_t save_book();
// 1 = written, 0 = not written.
std::int32_t write_backup();

// The saved fields in file order, as bytes; `size` is book_file_size or backup_file_size.
void encode_book(std::uint8_t* bytes, int size);
