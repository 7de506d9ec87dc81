#include "platform/files/text_reader.h"

#include "platform/files/file_lookup.h"

namespace platform {

TextReader::TextReader(const std::string& windows_name) {
  if (const auto path = find_file(windows_name)) file_ = std::fopen(path->c_str(), "rb");
}

TextReader::~TextReader() {
  if (file_) std::fclose(file_);
}

bool TextReader::read_line(char* buffer, int size) {
  if (!file_ || size <= 0) return false;
  int stored = 0;
  bool any = false;
  while (stored < size - 1) {
    int c = std::getc(file_);
    if (c == EOF) break;
    any = true;
    if (c == '\r') {
      const int next = std::getc(file_);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, file_);
      }
    }
    buffer[stored++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  if (std::ferror(file_)) {
    error_ = true;
    return false;
  }
  if (!any) return false;
  buffer[stored] = '\0';
  return true;
}

}  // namespace platform
