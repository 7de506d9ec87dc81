#pragma once
// Binary files the program reads whole come through here: book files and sounds (pictures
// are read in pieces, RandomAccessFile). Small files are read, larger ones mapped read-only.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Below this a read costs less than setting up and tearing down a mapping.
inline constexpr std::size_t largest_read_file = 1024 * 1024;

class WholeFile {
 public:
  // The file a Windows name refers to (find_file), whole. Nullopt when there is none (a
  // folder is never a file) or it cannot be read to its end.
  static std::optional<WholeFile> read(const std::string& windows_name);

  WholeFile(WholeFile&& other) noexcept;
  WholeFile& operator=(WholeFile&&) = delete;
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;
  ~WholeFile();

  const std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::span<const std::uint8_t> bytes() const { return {data_, size_}; }

 private:
  WholeFile(const std::uint8_t* mapped, std::size_t size) : data_(mapped), size_(size), mapped_(true) {}
  explicit WholeFile(std::vector<std::uint8_t> bytes)
      : read_(std::move(bytes)), data_(read_.data()), size_(read_.size()), mapped_(false) {}

  std::vector<std::uint8_t> read_;
  const std::uint8_t* data_;
  std::size_t size_;
  bool mapped_;
};

// Whether a Windows name refers to a file that opens for reading. Its contents are not read.
bool file_opens_for_reading(const std::string& windows_name);

}  // namespace platform
