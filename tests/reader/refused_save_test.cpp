// Saving where the book cannot be written: a full disk, a read-only folder, a read-only book
// file. The old book stays whole, the save and the backup report failure the way the program
// shows it (no wipe after a failed save, the author switch off after a failed backup), no
// temporary file is left, and the program goes on to its normal end.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "book/book_file.h"
#include "reader_fixture.h"
#include "screens/editor_state/editor_state.h"

namespace reader_test {
namespace {

namespace fs = std::filesystem;

constexpr int toolbar_y = 740;
constexpr int toolbar_x(int mode) { return (mode - 1) * 50 + 25; }
constexpr int editor_switch_x = 110;
constexpr int author_switch_x = 204;
constexpr int switch_y = 109;
constexpr rlim_t full_disk_bytes = 8192;  // below the backup and the book file
constexpr char backup_name[] = "SCR0.BIX";

struct SaveOutcome {
  bool book_kept = false;
  bool backup_written = false;
  bool save_wiped = false;  // the redraw after a successful save comes with effect 1
  bool author_switch_on = false;
  bool went_on = false;
  bool stray_files = false;
};

class RefusedSaveTest : public ReaderTest {
 protected:
  // Author and editor on through the menu, page 1's mark toggled, saved, backed up with F3,
  // then on to page 2 and out through F12; the folder is unwritable while the program runs.
  SaveOutcome save_with(const std::function<void()>& make_unwritable, const std::function<void()>& undo) {
    make_book(2);
    folder_.write_book(book);
    const std::string old_book = dir_.read(book_file_name);
    Script s;
    s.left().click(menu_button_x, bar_y).click(author_switch_x, switch_y).click(editor_switch_x, switch_y);
    s.click(toolbar_x(7), toolbar_y).left();
    s.click(toolbar_x(8), toolbar_y).shot("chosen").left().shot("saved");
    s.key("F3").forward().shot("page2").key("F12");
    make_unwritable();
    const RunResult result = run(s, false, false);
    undo();

    SaveOutcome outcome;
    outcome.book_kept = dir_.read(book_file_name) == old_book;
    outcome.backup_written = fs::exists(dir_.path() / backup_name) &&
                             fs::file_size(dir_.path() / backup_name) == static_cast<std::uintmax_t>(backup_file_size);
    outcome.save_wiped = result.shot("saved").at_ms - result.shot("chosen").at_ms == pause_sum_ms[1];
    outcome.author_switch_on = editor.author_switch == 1;
    outcome.went_on = filled_with(result.shot("page2"), page_colour(11), 300, 300, 100, 100) &&
                      result.display_released && !result.outlived;
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
      const std::string name = entry.path().filename().string();
      outcome.stray_files = outcome.stray_files || name.find(".saving-") != std::string::npos;
    }
    return outcome;
  }
};

TEST_F(RefusedSaveTest, AWritableFolderSavesAndBacksUp) {
  const SaveOutcome outcome = save_with([] {}, [] {});
  EXPECT_FALSE(outcome.book_kept);
  EXPECT_TRUE(outcome.save_wiped);
  EXPECT_TRUE(outcome.backup_written);
  EXPECT_TRUE(outcome.author_switch_on);
  EXPECT_TRUE(outcome.went_on);
  EXPECT_FALSE(outcome.stray_files);
}

TEST_F(RefusedSaveTest, AFullDiskKeepsTheOldBookAndFailsBoth) {
  struct rlimit old_limit;
  ::getrlimit(RLIMIT_FSIZE, &old_limit);
  struct sigaction ignore {}, old_action {};
  ignore.sa_handler = SIG_IGN;
  // A file that outgrows the limit fails its write (EFBIG) as a full disk fails it (ENOSPC).
  const SaveOutcome outcome = save_with(
      [&] {
        ::sigaction(SIGXFSZ, &ignore, &old_action);
        struct rlimit full = old_limit;
        full.rlim_cur = full_disk_bytes;
        ::setrlimit(RLIMIT_FSIZE, &full);
      },
      [&] {
        ::setrlimit(RLIMIT_FSIZE, &old_limit);
        ::sigaction(SIGXFSZ, &old_action, nullptr);
      });
  EXPECT_TRUE(outcome.book_kept);
  EXPECT_FALSE(outcome.save_wiped);
  EXPECT_FALSE(outcome.backup_written);
  EXPECT_FALSE(outcome.author_switch_on);
  EXPECT_TRUE(outcome.went_on);
  EXPECT_FALSE(outcome.stray_files);
}

TEST_F(RefusedSaveTest, AReadOnlyFolderKeepsTheOldBookAndFailsBoth) {
  const std::string folder = dir_.path().string();
  const SaveOutcome outcome =
      save_with([&] { ::chmod(folder.c_str(), 0555); }, [&] { ::chmod(folder.c_str(), 0755); });
  EXPECT_TRUE(outcome.book_kept);
  EXPECT_FALSE(outcome.save_wiped);
  EXPECT_FALSE(outcome.backup_written);
  EXPECT_FALSE(outcome.author_switch_on);
  EXPECT_TRUE(outcome.went_on);
  EXPECT_FALSE(outcome.stray_files);
}

TEST_F(RefusedSaveTest, AReadOnlyBookFileIsKeptWhileTheBackupIsWritten) {
  const std::string book_path = dir_.file(book_file_name);
  const SaveOutcome outcome =
      save_with([&] { ::chmod(book_path.c_str(), 0444); }, [&] { ::chmod(book_path.c_str(), 0644); });
  EXPECT_TRUE(outcome.book_kept);
  EXPECT_FALSE(outcome.save_wiped);
  EXPECT_TRUE(outcome.backup_written);
  EXPECT_TRUE(outcome.author_switch_on);
  EXPECT_TRUE(outcome.went_on);
  EXPECT_FALSE(outcome.stray_files);
}

}  // namespace
}  // namespace reader_test
