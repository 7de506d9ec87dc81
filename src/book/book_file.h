#pragma once
// The book file: a raw little-endian image of the saved page-table fields, 19,508 bytes, and
// the backup "SCR0.BIX", the first 15,908 bytes of the same layout.
#include <cstdint>

inline constexpr int book_file_size = 19508;
inline constexpr int backup_file_size = 15908;

// 0 = loaded, 1 = the book file cannot be opened. A short file loads as far as it reaches.
std::int32_t load_book();
// 0 = saved, 1 = not saved (the previous book file is then untouched).
std::int32_t save_book();
// 1 = written, 0 = not written.
std::int32_t write_backup();

// The saved fields in file order, as bytes; `size` is book_file_size or backup_file_size.
void encode_book(std::uint8_t* bytes, int size);
