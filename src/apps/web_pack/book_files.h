#pragma once
// The files of a book folder, gathered for a page: every regular file under the folder, which
// the player may ask for under any letter case.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace web_pack {

struct BookFile {
  // Relative to the book folder, with '/' between folders.
  std::string path;
  std::vector<std::uint8_t> bytes;
};

struct GatheredBook {
  std::vector<BookFile> files;
  // Empty when every file was read; else what stops the packing, naming the file.
  std::string problem;
};

// A file larger than this is no picture or sound a page can hold in memory.
inline constexpr std::uintmax_t largest_packed_file = 256u << 20;

// Gathers the folder's files in name order, leaving out `leave_out` (the output folder, when it
// lies inside the book folder) and everything under it.
GatheredBook gather_book_files(const std::filesystem::path& book_dir, const std::filesystem::path& leave_out);

}  // namespace web_pack
