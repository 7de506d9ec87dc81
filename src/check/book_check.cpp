#include "check/book_check.h"

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "check/book_items.h"
#include "check/folder_checks.h"
#include "check/page_checks.h"

namespace check {

CheckedBook check_book() {
  CheckedBook book;
  reset_configuration();
  set_default_names();
  const std::int32_t configuration = read_configuration("lurinf.bin");
  if (configuration < 0) {
    book.problem = configuration == -1 ? "it has no lurinf.bin" : "its lurinf.bin has no line to read";
    return book;
  }
  book.readable = true;
  reset_page_table();
  pages.default_box1_x = pages.default_box1_y = default_box1_position_at_start;
  BookFileFacts facts;
  const bool book_file_read = open_book(&facts) == 0;
  book.page_count = pages.page_count;

  BookFiles files;
  Checking checking{book.findings, files};
  check_book_items(checking, book_file_read, facts);
  // Without its book file the player shows one empty page: there is nothing else to check.
  if (!book_file_read) return book;
  for (std::int32_t page = 1; page <= pages.page_count; ++page) check_page(checking, page);
  check_unused_files(checking);
  return book;
}

}  // namespace check
