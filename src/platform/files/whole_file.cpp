#include "platform/files/whole_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/file_lookup.h"

namespace platform {
namespace {

// The whole file, or nullopt when it ends early or a read fails.
std::optional<std::vector<std::uint8_t>> read_all(int fd, std::size_t size) {
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

int open_found(const std::string& windows_name) {
  const auto path = find_file(windows_name);
  return path ? ::open(path->c_str(), O_RDONLY | O_CLOEXEC) : -1;
}

}  // namespace

std::optional<WholeFile> WholeFile::read(const std::string& windows_name) {
  const int fd = open_found(windows_name);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  std::optional<WholeFile> result;
  if (::fstat(fd, &info) == 0 && info.st_size >= 0) {
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size <= largest_read_file) {
      if (auto bytes = read_all(fd, size)) result.emplace(WholeFile(std::move(*bytes)));
    } else {
      // Populating up front costs one call instead of a page fault per 4 KiB.
      void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
      if (mapped != MAP_FAILED) result.emplace(WholeFile(static_cast<const std::uint8_t*>(mapped), size));
    }
  }
  ::close(fd);
  return result;
}

WholeFile::WholeFile(WholeFile&& other) noexcept
    : read_(std::move(other.read_)), data_(other.data_), size_(other.size_), mapped_(other.mapped_) {
  if (!mapped_) data_ = read_.data();
  other.data_ = nullptr;
  other.size_ = 0;
}

WholeFile::~WholeFile() {
  if (mapped_ && data_) ::munmap(const_cast<std::uint8_t*>(data_), size_);
}

bool file_opens_for_reading(const std::string& windows_name) {
  const int fd = open_found(windows_name);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

}  // namespace platform
