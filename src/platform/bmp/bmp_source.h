#pragma once
// The bytes of a BMP file, fetched a piece at a time: a picture of any size is decoded while
// only the pieces its placement needs are held, whether the file is in memory or on disk.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/files/random_access_file.h"

namespace platform {

class BmpSource {
 public:
  virtual ~BmpSource() = default;

  virtual std::uint64_t size() const = 0;

  // The `length` bytes from `offset`, which lie inside the file; valid until the next call.
  // A piece whose read fails reads as zeros, and failed() turns true.
  virtual const std::uint8_t* bytes(std::uint64_t offset, std::size_t length) = 0;

  bool failed() const { return failed_; }

 protected:
  bool failed_ = false;
};

class MemoryBmpSource final : public BmpSource {
 public:
  MemoryBmpSource(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint64_t size() const override { return size_; }
  const std::uint8_t* bytes(std::uint64_t offset, std::size_t) override { return data_ + offset; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

// Reads each piece into one buffer, which grows to the largest piece asked for.
class FileBmpSource final : public BmpSource {
 public:
  explicit FileBmpSource(const RandomAccessFile& file) : file_(file) {}
  std::uint64_t size() const override { return file_.size(); }
  const std::uint8_t* bytes(std::uint64_t offset, std::size_t length) override;

 private:
  const RandomAccessFile& file_;
  std::vector<std::uint8_t> buffer_;
};

}  // namespace platform
