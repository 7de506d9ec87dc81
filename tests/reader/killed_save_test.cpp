// rozeva-headless killed (SIGKILL) at random moments while it saves a full book, 200 times
// over: the book file is always the old or the new book, whole, and what a killed save leaves
// behind is gone after the next save.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <thread>

#include "book/book_file.h"
#include "book_folder.h"
#include "script_builder.h"
#include "support/temp_dir.h"

namespace reader_test {
namespace {

namespace fs = std::filesystem;

constexpr int kills = 200;
constexpr int saves_per_run = 4;
constexpr int toolbar_y = 740;
constexpr int toolbar_x(int mode) { return (mode - 1) * 50 + 25; }
constexpr int editor_switch_x = 110;
constexpr int switch_y = 109;
constexpr char temp_infix[] = ".saving-";
constexpr int no_save_seen_ms = 60'000;

// Every page of 299 in use, with a number in every field.
void fill_book(PageTable& book, std::mt19937& random) {
  std::uniform_int_distribution<std::int32_t> any(-100000, 100000);
  std::int32_t* fields[] = {book.picture, book.box1, book.box1_x, book.box1_y, book.box2, book.box2_x,
                            book.box2_y, book.box3, book.box3_x, book.box3_y, book.wave, book.back_sound,
                            book.level, book.back_transition, book.forward_transition, book.text_file};
  for (std::int32_t* field : fields)
    for (int p = 0; p < page_capacity; ++p) field[p] = any(random);
  for (int p = 0; p < page_capacity; ++p) book.mark[p] = static_cast<std::uint8_t>(p % 5);
  book.mark[1] = 0;
  book.start_page = 1;
  book.page_count = max_page_count;
}

std::string book_bytes(const PageTable& book) {
  const auto saved = std::make_unique<PageTable>(pages);
  pages = book;
  std::string bytes(book_file_size, '\0');
  encode_book(reinterpret_cast<std::uint8_t*>(bytes.data()), book_file_size);
  pages = *saved;
  return bytes;
}

// Save after save, page 1's mark toggled before each, so the book on disk alternates between
// two books; the editor comes on through the menu each time (saving switches it off).
std::string saving_script(int saves) {
  Script s;
  s.left();
  for (int i = 0; i < saves; ++i) {
    s.click(menu_button_x, bar_y).click(editor_switch_x, switch_y);
    s.click(toolbar_x(7), toolbar_y).left();
    s.click(toolbar_x(8), toolbar_y).left();
  }
  return s.key("F12").text();
}

class KilledSaveTest : public ::testing::Test {
 protected:
  KilledSaveTest() {
    folder_.write_configuration(0);
    std::mt19937 random(13);
    const auto book = std::make_unique<PageTable>();
    fill_book(*book, random);
    unmarked_ = book_bytes(*book);
    book->mark[1] = 1;
    marked_ = book_bytes(*book);
    folder_.write_file(book_file_name, unmarked_);
    std::ofstream(work_.file("saving.txt")) << saving_script(saves_per_run);
    std::ofstream(work_.file("one-save.txt")) << saving_script(1);
  }

  pid_t start_program(const std::string& script) const {
    const pid_t pid = ::fork();
    if (pid == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, STDOUT_FILENO);
      ::dup2(null, STDERR_FILENO);
      ::execl(ROZEVA_HEADLESS, "rozeva-headless", dir_.path().c_str(), work_.file(script).c_str(), nullptr);
      ::_exit(127);
    }
    return pid;
  }

  // Waits until the program has begun its n-th save (its temporary file appeared).
  static bool wait_for_save(int inotify, int n) {
    std::array<char, 4096> buffer;
    for (int seen = 0; seen < n;) {
      pollfd poll_fd{inotify, POLLIN, 0};
      if (::poll(&poll_fd, 1, no_save_seen_ms) != 1) return false;
      const ssize_t got = ::read(inotify, buffer.data(), buffer.size());
      for (ssize_t at = 0; at < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
        if (event->len > 0 && std::string(event->name).find(temp_infix) != std::string::npos) ++seen;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
    }
    return true;
  }

  // The folder's files besides the configuration and the book: the temporary files left.
  int leftovers() const {
    int n = 0;
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      const std::string name = entry.path().filename().string();
      if (name == "lurinf.bin" || name == book_file_name) continue;
      EXPECT_EQ(name.rfind(std::string(book_file_name) + temp_infix, 0), 0u) << "a stray file: " << name;
      ++n;
    }
    return n;
  }

  bool holds_a_whole_book() const {
    const std::string on_disk = dir_.read(book_file_name);
    return on_disk == unmarked_ || on_disk == marked_;
  }

  test_support::TempDir dir_;
  test_support::TempDir work_;
  BookFolder folder_{dir_.path()};
  std::string unmarked_;
  std::string marked_;
};

TEST_F(KilledSaveTest, TheBookOnDiskIsAlwaysTheOldOrTheNewOneAndLeftoversNeverPileUp) {
  std::mt19937 random(2026);
  std::uniform_int_distribution<int> save_number(1, saves_per_run - 1);
  // A quarter of the kills at once, the rest spread over a save's flush and rename.
  std::uniform_int_distribution<int> delay_us(-1000, 3000);
  int killed_mid_save = 0;
  for (int kill = 0; kill < kills; ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    const int inotify = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(inotify, dir_.path().c_str(), IN_CREATE), 0);
    const pid_t pid = start_program("saving.txt");
    const bool saving = wait_for_save(inotify, save_number(random));
    std::this_thread::sleep_for(std::chrono::microseconds(std::max(0, delay_us(random))));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(inotify);
    ASSERT_TRUE(saving) << "the program never began a save";
    ASSERT_TRUE(holds_a_whole_book());
    const int left = leftovers();
    ASSERT_LE(left, 1) << "the leftovers of earlier kills were not removed";
    killed_mid_save += left;
  }
  // Kills that landed before the rename leave a temporary file; the test reaches into saves.
  EXPECT_GT(killed_mid_save, 0);
  RecordProperty("killed_mid_save", killed_mid_save);

  const pid_t pid = start_program("one-save.txt");
  int status = 0;
  ::waitpid(pid, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(holds_a_whole_book());
  EXPECT_EQ(leftovers(), 0);
}

}  // namespace
}  // namespace reader_test
