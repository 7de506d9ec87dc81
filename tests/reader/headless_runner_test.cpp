// rozeva-headless as a process: its exit status, the shots and the sound log it writes, and
// that a bad script stops it before the program starts.
#include <sys/wait.h>

#include <cstdlib>

#include "reader_fixture.h"
#include "support/png_file.h"

namespace reader_test {
namespace {

namespace fs = std::filesystem;

constexpr int bad_usage = 2;
using test_support::read_file;

class HeadlessRunnerTest : public ReaderTest {
 protected:
  void SetUp() override {
    make_book(2);
    folder_.write_book(book);
  }

  // Runs the runner from the work folder with `arguments` (relative paths are the work
  // folder's), the script given as a file or on standard input. Returns the exit status.
  int run_runner(const std::string& arguments, const std::string& script, bool script_on_stdin = false) {
    test_support::write_file(work_.path() / "script.txt", script);
    const std::string command = "cd '" + work_.path().string() + "' && '" ROZEVA_HEADLESS "' " + arguments +
                                (script_on_stdin ? " - < script.txt" : " script.txt") + " 2> stderr.txt";
    const int status = std::system(command.c_str());
    errors_ = read_file(work_.path() / "stderr.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string book_dir() const { return dir_.path().string(); }
  fs::path work_file(const std::string& name) const { return work_.path() / name; }

  test_support::TempDir work_;
  std::string errors_;
};

TEST_F(HeadlessRunnerTest, ATourEndsWithStatus0AndWritesItsShotsAndSoundLog) {
  const Script script = Script().left().forward().shot("second").back().shot("first");
  ASSERT_EQ(run_runner("--shots shots --sound-log sound.log '" + book_dir() + "'", script.text()), 0) << errors_;
  for (const char* name : {"second", "first"}) {
    SCOPED_TRACE(name);
    const auto png = test_support::read_png((work_file("shots") / (std::string(name) + ".png")).string());
    ASSERT_TRUE(png);
    EXPECT_EQ(png->width, platform::screen_width);
    EXPECT_EQ(png->height, platform::screen_height);
  }
  EXPECT_NE(read_file(work_file("shots/second.png")), read_file(work_file("shots/first.png")));
  const std::string log = read_file(work_file("sound.log"));
  EXPECT_NE(log.find(" ch2 play once"), std::string::npos) << log;
}

TEST_F(HeadlessRunnerTest, TheScriptCanComeFromStandardInput) {
  const Script script = Script().left().shot("page");
  ASSERT_EQ(run_runner("--shots shots '" + book_dir() + "'", script.text(), true), 0) << errors_;
  EXPECT_TRUE(fs::exists(work_file("shots/page.png")));
}

TEST_F(HeadlessRunnerTest, ABadLineAnywhereStopsTheRunBeforeAnythingHappens) {
  const std::string script = "left\nshot early\n# a comment\nwait soon\n";
  EXPECT_EQ(run_runner("--shots shots --sound-log sound.log '" + book_dir() + "'", script), bad_usage);
  EXPECT_NE(errors_.find("line 4"), std::string::npos) << errors_;
  EXPECT_FALSE(fs::exists(work_file("shots/early.png")));
  EXPECT_FALSE(fs::exists(work_file("sound.log")));
}

TEST_F(HeadlessRunnerTest, AShotWithoutAShotFolderIsABadLine) {
  EXPECT_EQ(run_runner("--sound-log sound.log '" + book_dir() + "'", "left\nshot page\n"), bad_usage);
  EXPECT_NE(errors_.find("line 2"), std::string::npos) << errors_;
  EXPECT_FALSE(fs::exists(work_file("sound.log")));
}

TEST_F(HeadlessRunnerTest, AMissingBookFolderOrArgumentIsAnError) {
  // Built by appending: g++ 12 -O3 misreports "'" + a temporary string as an overlapping copy.
  std::string missing_folder = "'";
  missing_folder += book_dir() + "/nowhere'";
  EXPECT_EQ(run_runner(missing_folder, "left\n"), bad_usage);
  EXPECT_EQ(run_runner("--shots", "left\n"), bad_usage);
  EXPECT_NE(errors_.find("usage: rozeva-headless [--shots DIR] [--sound-log FILE] BOOKDIR SCRIPT"), std::string::npos);
}

TEST_F(HeadlessRunnerTest, LinesAfterTheProgramHasEndedAreNotRun) {
  const Script script = Script().left().key("F12").shot("never");
  EXPECT_EQ(run_runner("--shots shots '" + book_dir() + "'", script.text()), 0) << errors_;
  EXPECT_FALSE(fs::exists(work_file("shots/never.png")));
}

}  // namespace
}  // namespace reader_test
