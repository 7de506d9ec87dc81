#pragma once
// A whole file mapped read-only into memory.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class MappedFile {
 public:
  // Nullopt when the file is missing, unreadable, not a regular file or empty.
  static std::optional<MappedFile> open(const std::string& path);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&&) = delete;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  MappedFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace platform
