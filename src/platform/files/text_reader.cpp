#include "platform/files/text_reader.h"

#include "platform/files/file_lookup.h"

namespace platform {

namespace {

constexpr int ctrl_z = 0x1A;

}  // namespace

TextReader::TextReader(const std::string& windows_name) {
  if (const auto path = find_file(windows_name)) file_ = std::fopen(path->c_str(), "rb");
}

TextReader::~TextReader() {
  if (file_) std::fclose(file_);
}

// The next character as text mode gives it, or EOF from the first Ctrl-Z on.
int TextReader::next_character() {
  if (ended_) return EOF;
  int c = std::getc(file_);
  if (c == ctrl_z) {
    ended_ = true;
    return EOF;
  }
  if (c == '\r') {
    const int next = std::getc(file_);
    if (next == '\n') return '\n';
    if (next != EOF) std::ungetc(next, file_);
  }
  return c;
}

bool TextReader::read_line(char* buffer, int size) {
  if (!file_ || size <= 0) return false;
  int stored = 0;
  bool any = false;
  while (stored < size - 1) {
    const int c = next_character();
    if (c == EOF) break;
    any = true;
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
