#pragma once
// A file read in pieces at any offset: pictures larger than memory should hold are read a few
// rows at a time instead of whole.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

class RandomAccessFile {
 public:
  // The file a Windows name refers to (find_file), opened for reading; nullopt when there is
  // none (a folder is never a file) or it does not open.
  static std::optional<RandomAccessFile> open(const std::string& windows_name);

  RandomAccessFile(RandomAccessFile&& other) noexcept;
  RandomAccessFile& operator=(RandomAccessFile&&) = delete;
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;
  ~RandomAccessFile();

  // The size when the file was opened.
  std::uint64_t size() const { return size_; }

  // Fills `bytes` from `offset` on. False when the file ends first or a read fails; the bytes
  // not read are then unspecified.
  bool read_at(std::uint64_t offset, std::span<std::uint8_t> bytes) const;

 private:
  RandomAccessFile(int fd, std::uint64_t size) : fd_(fd), size_(size) {}

  int fd_;
  std::uint64_t size_;
};

}  // namespace platform
