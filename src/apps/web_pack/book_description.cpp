#include "book_description.h"

#include <string>

#include "book/configuration.h"
#include "platform/files/file_lookup.h"
#include "platform/text/windows_1252.h"

namespace web_pack {

namespace fs = std::filesystem;

namespace {

std::string without_line_end(const char* line) {
  std::string text = line;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// The player resolves names from the book folder, its working directory.
class InFolder {
 public:
  explicit InFolder(const fs::path& folder) : before_(fs::current_path()) { fs::current_path(folder); }
  ~InFolder() { fs::current_path(before_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  fs::path before_;
};

}  // namespace

std::optional<BookDescription> describe_book(const fs::path& book_dir) {
  const InFolder in_book(book_dir);
  reset_configuration();
  set_default_names();
  if (read_configuration("lurinf.bin") < 0) return std::nullopt;
  BookDescription description;
  const std::string line1 = without_line_end(config.title_line1), line2 = without_line_end(config.title_line2);
  description.title = platform::utf8_of_windows_1252(line2.empty() ? line1 : line1 + " - " + line2);
  const fs::path book_file = fs::path(platform::path_for_writing(config.book_file_name)).lexically_normal();
  // A book file outside the folder is not in the page, so it cannot be offered for download.
  if (book_file.is_relative() && !book_file.empty() && *book_file.begin() != "..")
    description.book_file = book_file.generic_string();
  return description;
}

}  // namespace web_pack
