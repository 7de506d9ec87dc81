#include "platform/files/replacing_file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
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
    if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    mode = st.st_mode & 07777;
  }
  std::string pattern = target_ + ".tmp-XXXXXX";
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
