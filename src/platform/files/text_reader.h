#pragma once
// Line reading with the meaning Windows text mode gave it: CR LF reads as LF (a lone CR stays
// a character), the first Ctrl-Z ends the file (DOS-era editors wrote one at the end), and a
// read at the end of the file leaves the caller's buffer untouched.
#include <cstdio>
#include <string>

namespace platform {

class TextReader {
 public:
  // Opens the file find_file finds (never a folder); is_open() tells whether that worked.
  explicit TextReader(const std::string& windows_name);
  ~TextReader();
  TextReader(const TextReader&) = delete;
  TextReader& operator=(const TextReader&) = delete;

  bool is_open() const { return file_ != nullptr; }

  // Reads up to size - 1 characters, stopping after a line end, and zero-terminates.
  // Returns false at the end of the file with nothing read (the buffer keeps what it held)
  // or on a read error (then error() is true).
  bool read_line(char* buffer, int size);
  bool error() const { return error_; }

 private:
  int next_character();

  std::FILE* file_ = nullptr;
  bool error_ = false;
  bool ended_ = false;
};

}  // namespace platform
