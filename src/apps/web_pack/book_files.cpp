#include "book_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace web_pack {

namespace fs = std::filesystem;

namespace {

// Names travel to the page as JSON text, so they must be UTF-8.
bool valid_utf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size() || (length == 2 && lead < 0xC2)) return false;
    for (int k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += static_cast<std::size_t>(length);
  }
  return true;
}

std::string problem_with(const fs::path& file, const std::string& why) {
  return "cannot pack " + file.string() + ": " + why;
}

bool read_whole(const fs::path& file, std::vector<std::uint8_t>& bytes, std::string& problem) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    problem = problem_with(file, std::strerror(errno));
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    problem = problem_with(file, "it cannot be read to its end");
    return false;
  }
  return true;
}

}  // namespace

GatheredBook gather_book_files(const fs::path& book_dir, const fs::path& leave_out) {
  GatheredBook book;
  std::error_code error;
  const fs::path skipped = fs::weakly_canonical(leave_out, error);
  std::vector<fs::path> found;
  fs::recursive_directory_iterator walk(book_dir, fs::directory_options::follow_directory_symlink, error);
  if (error) {
    book.problem = problem_with(book_dir, error.message());
    return book;
  }
  for (; walk != fs::recursive_directory_iterator(); walk.increment(error)) {
    if (error) break;
    const fs::path entry = walk->path();
    if (!skipped.empty() && fs::weakly_canonical(entry, error) == skipped) {
      walk.disable_recursion_pending();
      continue;
    }
    const fs::file_status status = fs::status(entry, error);
    if (error) {
      book.problem = problem_with(entry, error.message());
      return book;
    }
    if (fs::is_directory(status)) continue;
    if (!fs::is_regular_file(status)) {
      book.problem = problem_with(entry, "it is not a regular file");
      return book;
    }
    found.push_back(entry);
  }
  if (error) {
    book.problem = problem_with(book_dir, error.message());
    return book;
  }
  std::sort(found.begin(), found.end());
  for (const fs::path& entry : found) {
    BookFile file;
    file.path = entry.lexically_relative(book_dir).generic_string();
    if (!valid_utf8(file.path)) {
      book.problem = problem_with(entry, "its name is not UTF-8, which a page cannot hold");
      return book;
    }
    if (fs::file_size(entry, error) > largest_packed_file || error) {
      book.problem = problem_with(entry, error ? error.message() : "it is larger than a page can hold (256 MiB)");
      return book;
    }
    if (!read_whole(entry, file.bytes, book.problem)) return book;
    book.files.push_back(std::move(file));
  }
  return book;
}

}  // namespace web_pack
