// rozeva-proof --editor on the demo book: one picture per page and view, each the very screen
// rozeva-headless shows after the same steps a reader takes, and a contact sheet that Debian's
// chromium opens with every picture loaded and nothing on its console.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "support/png_file.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

int exit_status(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string page_name(int page, const char* suffix = "") {
  char name[32];
  std::snprintf(name, sizeof name, "page-%03d%s", page, suffix);
  return name;
}

// The demo book, its proof, and the marked pages as its book file has them; made once.
class ProofOfDemo : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    work_ = new test_support::TempDir;
    const std::string book = book_dir();
    ASSERT_EQ(exit_status("'" ROZEVA_DEMO_EXE "' '" + book + "' > /dev/null"), 0);
    proof_status_ = exit_status("'" ROZEVA_PROOF_EXE "' --editor '" + book + "' '" + proof_dir() + "' > /dev/null");
    test_support::ScopedWorkingDir in_book(book);
    std::snprintf(config.book_file_name, sizeof config.book_file_name, "buch.dat");
    ASSERT_EQ(load_book(), 0);
    page_count_ = pages.page_count;
    for (int p = 1; p <= page_count_; ++p)
      if (pages.mark[p] > 0) marked_.insert(p);
  }
  static void TearDownTestSuite() {
    delete work_;
    work_ = nullptr;
  }

  static std::string book_dir() { return work_->file("book"); }
  static std::string proof_dir() { return work_->file("proof"); }

  // The steps a reader takes, written out independently of the proof: the pointer to the
  // bottom-right corner, the title clicked away, F1, once round, then forward page by page,
  // waiting for each marked page's blink; then the editor from the menu, and round again.
  static std::string reader_script() {
    std::string s = "move 2000 2000\nshot title\nleft\nkey F1\nmove -40 0\nleft\nmove 2000 0\nleft\n";
    for (int p = 1; p <= page_count_; ++p) {
      s += (p > 1 ? "left\n" : "") + std::string("shot ") + page_name(p) + "\n";
      if (marked_.count(p)) s += "wait 800\nshot " + page_name(p, "-blink") + "\n";
    }
    s += "left\nright\nmove -2000 -2000\nmove 55 54\nleft\nmove 2000 2000\n";
    for (int p = 1; p <= page_count_; ++p)
      s += (p > 1 ? "left\n" : "") + std::string("shot ") + page_name(p, "-editor") + "\n";
    return s;
  }

  static test_support::TempDir* work_;
  static int proof_status_;
  static int page_count_;
  static std::set<int> marked_;
};

test_support::TempDir* ProofOfDemo::work_ = nullptr;
int ProofOfDemo::proof_status_ = -1;
int ProofOfDemo::page_count_ = 0;
std::set<int> ProofOfDemo::marked_;

TEST_F(ProofOfDemo, EveryPictureIsTheScreenRozevaHeadlessShowsAfterTheSameSteps) {
  ASSERT_EQ(proof_status_, 0);
  ASSERT_EQ(page_count_, 12);
  ASSERT_FALSE(marked_.empty());
  test_support::write_file(work_->path() / "reader.txt", reader_script());
  const std::string shots = work_->file("shots");
  ASSERT_EQ(exit_status("'" ROZEVA_HEADLESS_EXE "' --shots '" + shots + "' '" + book_dir() + "' '" +
                        work_->file("reader.txt") + "'"),
            0);

  std::set<std::string> expected, written;
  for (const auto& entry : fs::directory_iterator(shots)) expected.insert(entry.path().filename().string());
  for (const auto& entry : fs::directory_iterator(proof_dir()))
    if (entry.path().extension() == ".png") written.insert(entry.path().filename().string());
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.size(), 1 + 2 * static_cast<std::size_t>(page_count_) + marked_.size());

  for (const std::string& name : expected) {
    SCOPED_TRACE(name);
    const auto reference = test_support::read_png(shots + "/" + name);
    const auto proofed = test_support::read_png(proof_dir() + "/" + name);
    const auto thumbnail = test_support::read_png(proof_dir() + "/thumbs/" + name);
    ASSERT_TRUE(reference && proofed && thumbnail);
    EXPECT_TRUE(proofed->pixels == reference->pixels);
    EXPECT_EQ(thumbnail->width, 256);
    EXPECT_EQ(thumbnail->height, 192);
  }
}

TEST_F(ProofOfDemo, ChromiumOpensTheContactSheetWithEveryPictureAndNoConsoleError) {
  ASSERT_EQ(proof_status_, 0);
  ASSERT_TRUE(fs::exists("/usr/bin/chromium")) << "Debian's chromium is needed: run scripts/install-deps";
  const std::size_t pictures = 1 + 2 * static_cast<std::size_t>(page_count_) + marked_.size();
  const std::string output = work_->file("browser.txt");
  const int status = exit_status("python3 '" BROWSER_CHECK "' '" + proof_dir() + "/index.html' --images " +
                                 std::to_string(pictures) + " > '" + output + "' 2>&1");
  EXPECT_EQ(status, 0) << test_support::read_file(output);
}

}  // namespace
