#include "platform/files/replacing_file_writer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform {
namespace {

FileOutputFaults faults;
FileReplacedHook replaced_hook = nullptr;

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr std::string_view temp_infix = ".saving-";
constexpr std::string_view temp_pattern_tail = "XXXXXX";

// No write permission bit for anyone: read-only, also for root, as Windows' read-only
// attribute was for every user.
bool read_only(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// A save killed before its rename leaves its temporary file behind; the next save of the same
// file removes it, so killed saves never pile up in a book folder.
void remove_leftover_temporaries(const std::string& folder, const std::string& target_name) {
  const std::string prefix = target_name + std::string(temp_infix);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name.size() == prefix.size() + temp_pattern_tail.size() && name.substr(0, prefix.size()) == prefix)
      leftovers.emplace_back(name);
  }
  for (const std::string& name : leftovers) ::unlinkat(::dirfd(dir), name.c_str(), 0);
  ::closedir(dir);
}

void sync_folder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: the rename is already done
  ::close(fd);
}

}  // namespace

void set_file_output_faults(const FileOutputFaults& new_faults) { faults = new_faults; }

void set_file_replaced_hook(FileReplacedHook hook) { replaced_hook = hook; }

ReplacingFileWriter::~ReplacingFileWriter() { discard(); }

bool ReplacingFileWriter::open(const std::string& target_path) {
  discard();
  target_ = target_path;
  failed_ = false;
  writes_ = 0;
  mode_t mode = 0644;
  struct stat st;
  if (::stat(target_.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || read_only(st)) return false;
    mode = st.st_mode & 07777;
  }
  const std::string folder = folder_of(target_);
  if (::stat(folder.c_str(), &st) != 0 || read_only(st)) return false;
  remove_leftover_temporaries(folder, name_of(target_));
  std::string pattern = target_ + std::string(temp_infix) + std::string(temp_pattern_tail);
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  temp_ = name.data();
  ::fchmod(fd, mode);
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    ::unlink(temp_.c_str());
    temp_.clear();
    return false;
  }
  return true;
}

void ReplacingFileWriter::write(const void* data, std::size_t size) {
  if (!file_ || failed_) {
    failed_ = true;
    return;
  }
  ++writes_;
  if (faults.fail_write_number == writes_ || std::fwrite(data, 1, size, file_) != size) failed_ = true;
}

bool ReplacingFileWriter::commit() {
  if (!file_ || failed_) {
    discard();
    return false;
  }
  const bool flushed = !faults.fail_flush && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed || faults.fail_rename || ::rename(temp_.c_str(), target_.c_str()) != 0) {
    discard();
    return false;
  }
  temp_.clear();
  sync_folder(folder_of(target_));
  if (replaced_hook) replaced_hook(target_);
  return true;
}

void ReplacingFileWriter::discard() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (!temp_.empty()) {
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

}  // namespace platform
