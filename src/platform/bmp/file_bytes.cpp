#include "platform/bmp/file_bytes.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace platform {
namespace {

// The whole file, or nullopt when it ends early or a read fails.
std::optional<std::vector<std::uint8_t>> read_whole(int fd, std::size_t size) {
  std::vector<std::uint8_t> bytes(size);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, bytes.data() + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return std::nullopt;
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

}  // namespace

std::optional<FileBytes> FileBytes::open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<FileBytes> result;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size <= largest_read_file) {
      if (auto bytes = read_whole(fd, size)) result.emplace(FileBytes(std::move(*bytes)));
    } else {
      // Populating up front costs one call instead of a page fault per 4 KiB.
      void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
      if (mapped != MAP_FAILED) result.emplace(FileBytes(static_cast<const std::uint8_t*>(mapped), size));
    }
  }
  ::close(fd);
  return result;
}

FileBytes::FileBytes(FileBytes&& other) noexcept
    : read_(std::move(other.read_)), data_(other.data_), size_(other.size_), mapped_(other.mapped_) {
  other.data_ = nullptr;
  other.size_ = 0;
}

FileBytes::~FileBytes() {
  if (mapped_ && data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

}  // namespace platform
