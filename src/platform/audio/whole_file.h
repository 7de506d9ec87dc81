#pragma once
// Sound files are read whole, as the program fills a channel with a whole clip at once.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

class WholeFile {
 public:
  // Nullopt when `path` is not a regular file that can be read to its end.
  static std::optional<WholeFile> read(const std::string& path);

  std::span<const std::uint8_t> bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Whether `path` opens for reading as a file does on Windows: a folder does not.
bool file_opens_for_reading(const std::string& path);

}  // namespace platform
