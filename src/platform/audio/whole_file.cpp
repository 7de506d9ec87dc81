#include "platform/audio/whole_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

namespace platform {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A regular file opened for reading, with its size, or null.
FileHandle open_regular(const std::string& path, off_t& size) {
  FileHandle file(std::fopen(path.c_str(), "rb"));
  if (!file) return nullptr;
  struct stat info {};
  if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return nullptr;
  size = info.st_size;
  return file;
}

}  // namespace

std::optional<WholeFile> WholeFile::read(const std::string& path) {
  off_t size = 0;
  const FileHandle file = open_regular(path, size);
  if (!file) return std::nullopt;
  WholeFile whole;
  whole.bytes_.resize(static_cast<std::size_t>(size));
  if (std::fread(whole.bytes_.data(), 1, whole.bytes_.size(), file.get()) != whole.bytes_.size()) {
    return std::nullopt;
  }
  return whole;
}

bool file_opens_for_reading(const std::string& path) {
  off_t size = 0;
  return open_regular(path, size) != nullptr;
}

}  // namespace platform
