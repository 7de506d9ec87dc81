#pragma once
// One thing rozeva-check has to say about a book: where (the whole book, a page, or the
// folder), how bad, what kind, which of the page's fields, and the file the player would open.
#include <cstdint>
#include <string>

namespace check {

// error: the player cannot use something the book refers to. warning: the player uses it, but
// not as its author meant. hint: nothing goes wrong, worth knowing all the same.
enum class Severity { error, warning, hint };

// Where a finding belongs: the whole book (lurinf.bin, the book file, the pictures and
// sounds every book has), one page, or the book's folder as a whole.
struct Place {
  enum class Scope { book, page, folder };
  Scope scope = Scope::book;
  std::int32_t page = 0;

  static Place book() { return {Scope::book, 0}; }
  static Place page_number(std::int32_t page) { return {Scope::page, page}; }
  static Place folder() { return {Scope::folder, 0}; }
};

struct Finding {
  Place place;
  Severity severity = Severity::error;
  // A short fixed word per kind of fault ("missing-file"), for grep and other tools.
  std::string kind;
  // The page's field or the book's item, with its number ("box 2 picture 42").
  std::string field;
  // The name the player would open, as it builds it (backslashes and all); may be empty.
  std::string file;
  // What is wrong and what the reader sees because of it, in plain English.
  std::string message;
};

const char* severity_name(Severity severity);

}  // namespace check
