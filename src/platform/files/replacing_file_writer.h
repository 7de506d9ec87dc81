#pragma once
// Writes a whole file so that the old one survives any failure and any kill: the bytes go to
// a temporary file in the same folder (the target's name, ".saving-" and six letters or digits),
// which is flushed to disk and then renamed over the target.
#include <cstddef>
#include <cstdio>
#include <string>

namespace platform {

// Test seam: makes one step of the next writers fail as a full disk or a broken medium would.
struct FileOutputFaults {
  int fail_write_number = 0;  // the n-th write (1-based) fails; 0 = none
  bool fail_flush = false;
  bool fail_rename = false;
};
void set_file_output_faults(const FileOutputFaults& faults);

class ReplacingFileWriter {
 public:
  ReplacingFileWriter() = default;
  ~ReplacingFileWriter();  // a writer that was not committed removes its temporary file
  ReplacingFileWriter(const ReplacingFileWriter&) = delete;
  ReplacingFileWriter& operator=(const ReplacingFileWriter&) = delete;

  // Refuses (false) when the target exists without a write permission bit (Windows would not
  // overwrite a read-only file), its folder has none, or the temporary file cannot be created.
  // Removes the temporary files that killed writers of the same target left behind.
  bool open(const std::string& target_path);
  // Failures are remembered; commit then refuses.
  void write(const void* data, std::size_t size);
  // Flushes, syncs, closes and renames over the target. False on any failure: the target is
  // then untouched and the temporary file removed.
  bool commit();

 private:
  void discard();

  std::string target_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
  int writes_ = 0;
};

// Called with the target's path after each successful commit, so a backend can keep the new file
// where it lasts (a page's storage); null: nobody is told.
using FileReplacedHook = void (*)(const std::string& path);
void set_file_replaced_hook(FileReplacedHook hook);

}  // namespace platform
