#pragma once
// book.js: the book as a script the page loads with a script element, which works from a web
// server and from a folder opened straight from a disk alike (a page may fetch nothing there).
#include <string>
#include <vector>

#include "book_files.h"

namespace web_pack {

struct BookDescription {
  // Shown as the page's title (UTF-8).
  std::string title;
  // The book file the editor saves, relative to the book folder; empty when it lies outside.
  std::string book_file;
};

// Defines RozevaBook: an id that changes with any file's name or contents (saves kept in the
// browser belong to one packing of a book), the description, and the files as [path, "deflate"
// or "raw", base64 of the bytes], deflated (zlib format) where that makes them smaller.
std::string book_script(const std::vector<BookFile>& files, const BookDescription& description);

}  // namespace web_pack
