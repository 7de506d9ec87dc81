#include "soak_run.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"

namespace soak {
namespace {

namespace fs = std::filesystem;

constexpr int poll_ms = 50;
constexpr char temp_infix[] = ".saving-";
constexpr char backup_name[] = "scr0.bix";
constexpr int page_count_offset = 4;
constexpr const char* sanitizer_marks[] = {"AddressSanitizer", "LeakSanitizer", "runtime error:"};

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string lower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::int32_t int_at(const std::string& bytes, int offset) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
  return static_cast<std::int32_t>(value);
}

// The book as saved loads again into the same table (its start page aside, which loading
// always sets to 1).
std::string check_loads_again(const std::string& bytes, const fs::path& snapshot) {
  std::ofstream(snapshot, std::ios::binary | std::ios::trunc) << bytes;
  const std::string name = snapshot.string();
  copy_text_field(config.book_file_name, book_file_name_room, name.c_str(), static_cast<int>(name.size()));
  reset_page_table();
  clear_page_table();
  if (load_book() != 0) return "a saved book does not open again";
  std::string again(book_file_size, '\0');
  encode_book(reinterpret_cast<std::uint8_t*>(again.data()), book_file_size);
  if (again.compare(page_count_offset, std::string::npos, bytes, page_count_offset) != 0)
    return "a saved book loads into another table";
  return {};
}

// A book file or backup that has just landed: whole, with a page count the table holds.
std::string check_saved(const fs::path& path, bool backup, const fs::path& work) {
  const std::string bytes = read_text(path);
  const auto size = static_cast<std::size_t>(backup ? backup_file_size : book_file_size);
  const std::string what = backup ? "a backup" : "a saved book";
  if (bytes.size() != size) return what + " of " + std::to_string(bytes.size()) + " bytes";
  const std::int32_t page_count = int_at(bytes, page_count_offset);
  if (page_count < 1 || page_count > max_page_count) return what + " with page_count " + std::to_string(page_count);
  return backup ? std::string() : check_loads_again(bytes, work / "saved-book-snapshot");
}

class SaveWatch {
 public:
  SaveWatch(const fs::path& folder, const fs::path& work) : folder_(folder), work_(work) {
    fd_ = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (fd_ >= 0) ::inotify_add_watch(fd_, folder.c_str(), IN_MOVED_TO);
  }
  ~SaveWatch() {
    if (fd_ >= 0) ::close(fd_);
  }
  SaveWatch(const SaveWatch&) = delete;
  SaveWatch& operator=(const SaveWatch&) = delete;

  bool ok() const { return fd_ >= 0; }
  void wait_a_little() const {
    pollfd poll_fd{fd_, POLLIN, 0};
    ::poll(&poll_fd, 1, poll_ms);
  }

  // Checks every file renamed into the folder since the last call.
  void check_landed(RunReport& report) {
    std::array<char, 16384> buffer;
    for (ssize_t got; (got = ::read(fd_, buffer.data(), buffer.size())) > 0;) {
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        if (event->len == 0) continue;
        const std::string name = event->name;
        if (name.find(temp_infix) != std::string::npos) continue;
        const bool backup = lower(name) == backup_name;
        ++(backup ? report.backups : report.saves);
        const std::string problem = check_saved(folder_ / name, backup, work_);
        if (report.problem.empty() && !problem.empty()) report.problem = problem + " (" + name + ")";
      }
    }
  }

 private:
  fs::path folder_;
  fs::path work_;
  int fd_ = -1;
};

pid_t start(const std::string& headless, const fs::path& folder, const fs::path& script, const fs::path& work) {
  const std::string shots = (work / "shots").string();
  const std::string errors = (work / "stderr.txt").string();
  const pid_t pid = ::fork();
  if (pid != 0) return pid;
  const int null = ::open("/dev/null", O_WRONLY);
  const int error_file = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ::dup2(null, STDOUT_FILENO);
  ::dup2(error_file, STDERR_FILENO);
  ::execl(headless.c_str(), "rozeva-headless", "--shots", shots.c_str(), folder.c_str(), script.c_str(), nullptr);
  ::_exit(127);
}

std::string judge_end(int status, const fs::path& work, bool starts) {
  const std::string errors = read_text(work / "stderr.txt");
  for (const char* mark : sanitizer_marks) {
    const auto at = errors.find(mark);
    if (at != std::string::npos) return "a sanitizer report: " + errors.substr(at, errors.find('\n', at) - at);
  }
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "exit status " + std::to_string(WEXITSTATUS(status)) + ", not the exit path";
  if (starts && !fs::exists(work / "shots" / "end.png")) return "the program ended before the script's end";
  return {};
}

}  // namespace

RunReport run_soak(const std::string& headless, const fs::path& folder, const fs::path& script, const fs::path& work,
                   bool starts) {
  RunReport report;
  const auto began = std::chrono::steady_clock::now();
  fs::remove_all(work / "shots");
  SaveWatch watch(folder, work);
  if (!watch.ok()) {
    report.problem = "cannot watch the book folder";
    return report;
  }
  const pid_t pid = start(headless, folder, script, work);
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    watch.wait_a_little();
    watch.check_landed(report);
  }
  watch.check_landed(report);
  const std::string end = judge_end(status, work, starts);
  if (report.problem.empty()) report.problem = end;
  report.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  return report;
}

}  // namespace soak
