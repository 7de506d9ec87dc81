#pragma once
// book.js: the book as a script the page loads with a script element, which works from a web
// server and from a folder opened straight from a disk alike (a page may fetch nothing there).
#include <string>
#include <utility>
#include <vector>

#include "book_files.h"

namespace web_pack {

struct BookDescription {
  // Shown as the page's title (UTF-8).
  std::string title;
  // The book file the editor saves, relative to the book folder; empty when it lies outside.
  std::string book_file;
};

// book.js and the scripts of the book's larger files. Large files stay out of book.js so the
// title does not wait while the browser reads every picture; the page loads one when the
// program opens it.
struct BookScripts {
  std::string book;
  // Each named relative to the output folder (under book_files_folder).
  std::vector<std::pair<std::string, std::string>> files;
};

inline constexpr const char* book_files_folder = "book-files";

// book.js defines RozevaBook: an id that changes with any file's name or contents (saves kept
// in the browser belong to one packing of a book), the description, and the files as [path,
// "deflate" or "raw", base64 of the bytes or null, the script holding them], deflated (zlib
// format) where that makes them smaller. A file's script calls RozevaBook.arrive(path, base64).
BookScripts book_scripts(const std::vector<BookFile>& files, const BookDescription& description);

}  // namespace web_pack
