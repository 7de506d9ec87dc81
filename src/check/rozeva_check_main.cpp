// rozeva-check: names what is wrong with a book, the way the player would meet it.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "check/book_check.h"
#include "check/report.h"

namespace {

constexpr int nothing_wrong = 0;
constexpr int something_wrong = 1;
constexpr int cannot_read = 2;

const char* const usage = "usage: rozeva-check [--json] BOOKDIR\n";

const char* const help =
    "rozeva-check reads the book in BOOKDIR the way the player does and names, page by page,\n"
    "every file that is missing or that the player cannot use, pictures and sounds in another\n"
    "format, text pages the player would cut or show as TEXTFEHLER, values it would treat\n"
    "oddly, text saved as UTF-8, and files no page uses. One line per finding:\n"
    "\n"
    "  page 3: error: missing-file: picture 17: bilder\\bild00017.BMP is missing; ...\n"
    "\n"
    "  --json     the same findings as JSON\n"
    "  --help     show this text\n"
    "\n"
    "Exit status: 0 when nothing is wrong (hints alone do not count), 1 when something is,\n"
    "2 when BOOKDIR cannot be read as a book at all.\n";

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  std::string book_dir;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(usage, stdout);
      std::fputs("\n", stdout);
      std::fputs(help, stdout);
      return nothing_wrong;
    }
    if (std::strcmp(argv[i], "--json") == 0) {
      json = true;
    } else if (argv[i][0] == '-' || !book_dir.empty()) {
      std::fputs(usage, stderr);
      return cannot_read;
    } else {
      book_dir = argv[i];
    }
  }
  if (book_dir.empty()) {
    std::fputs(usage, stderr);
    return cannot_read;
  }
  // The player reads every name from the book's folder.
  if (::chdir(book_dir.c_str()) != 0) {
    std::fprintf(stderr, "rozeva-check: cannot open the book folder %s: %s\n", book_dir.c_str(), std::strerror(errno));
    return cannot_read;
  }
  const check::CheckedBook book = check::check_book();
  const std::string report = json ? check::json_report(book, book_dir) : check::text_report(book, book_dir);
  std::fputs(report.c_str(), book.readable || json ? stdout : stderr);
  if (!book.readable) return cannot_read;
  return book.findings.anything_wrong() ? something_wrong : nothing_wrong;
}
