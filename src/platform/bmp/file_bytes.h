#pragma once
// A whole file's bytes in memory: small files are read, larger ones mapped read-only.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Below this a read costs less than setting up and tearing down a mapping.
inline constexpr std::size_t largest_read_file = 1024 * 1024;

class FileBytes {
 public:
  // Nullopt when the file is missing, unreadable, not a regular file or empty.
  static std::optional<FileBytes> open(const std::string& path);

  FileBytes(FileBytes&& other) noexcept;
  FileBytes& operator=(FileBytes&&) = delete;
  FileBytes(const FileBytes&) = delete;
  FileBytes& operator=(const FileBytes&) = delete;
  ~FileBytes();

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }

 private:
  FileBytes(const std::uint8_t* mapped, std::size_t size) : data_(mapped), size_(size), mapped_(true) {}
  explicit FileBytes(std::vector<std::uint8_t> bytes)
      : read_(std::move(bytes)), data_(read_.data()), size_(read_.size()), mapped_(false) {}

  std::vector<std::uint8_t> read_;
  const std::uint8_t* data_;
  std::size_t size_;
  bool mapped_;
};

}  // namespace platform
