// rozeva-check as an author runs it: its exit status and its output on the demo book, on the
// faulty book, and on a folder that is no book.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "faulty_book.h"
#include "support/temp_dir.h"

namespace check_test {
namespace {

struct CheckRun {
  int status = -1;
  std::string out;
  std::string err;
};

// The command is built by appending: g++ 12 at -O3 warns falsely (-Wrestrict) on a literal
// + a temporary string.
CheckRun run_check(const test_support::TempDir& work, const std::string& book, const char* option = "") {
  std::string command = "'" ROZEVA_CHECK_EXE "' ";
  command += option;
  command += " '";
  command += book;
  command += "' > '";
  command += work.file("out.txt");
  command += "' 2> '";
  command += work.file("err.txt");
  command += "'";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, work.read("out.txt"), work.read("err.txt")};
}

int lines_in(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(CheckExecutable, TheDemoBookHasNothingToReport) {
  test_support::TempDir work;
  const std::string book = work.file("demo");
  ASSERT_EQ(std::system(("'" ROZEVA_DEMO_EXE "' '" + book + "' > /dev/null").c_str()), 0);
  const CheckRun run = run_check(work, book);
  EXPECT_EQ(run.status, 0) << run.out << run.err;
  EXPECT_EQ(run.out, "rozeva-check: " + book + ", 12 pages: nothing to report\n");
}

TEST(CheckExecutable, AFaultyBookGivesStatus1AndOneLinePerFindingAsTextAndAsJson) {
  test_support::TempDir work;
  const std::vector<PlantedFault> planted = write_faulty_book(work.path() / "book");
  int counts[3] = {};
  for (const PlantedFault& f : planted) ++counts[static_cast<int>(f.severity)];
  const std::string errors = std::to_string(counts[0]), warnings = std::to_string(counts[1]),
                    hints = std::to_string(counts[2]);

  const CheckRun text = run_check(work, work.file("book"));
  EXPECT_EQ(text.status, 1) << text.err;
  EXPECT_EQ(lines_in(text.out), static_cast<int>(planted.size()) + 1) << text.out;
  EXPECT_NE(text.out.find(errors + " errors, " + warnings + " warnings, " + hints + " hints\n"), std::string::npos)
      << text.out;

  const CheckRun json = run_check(work, work.file("book"), "--json");
  EXPECT_EQ(json.status, 1) << json.err;
  EXPECT_NE(json.out.find("{\"scope\": \"page\", \"page\": 1, \"severity\": \"error\", \"kind\": \"missing-file\", "
                          "\"field\": \"picture 40\", \"file\": \"acs00040.BMP\""),
            std::string::npos)
      << json.out;
  EXPECT_NE(json.out.find("\"errors\": " + errors + ",\n  \"warnings\": " + warnings + ",\n  \"hints\": " + hints + ","),
            std::string::npos)
      << json.out;
}

TEST(CheckExecutable, AFolderWithoutLurinfBinIsNoBook) {
  test_support::TempDir work;
  std::filesystem::create_directory(work.path() / "empty");
  const CheckRun run = run_check(work, work.file("empty"));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("cannot be read as a book: it has no lurinf.bin"), std::string::npos) << run.err;
  EXPECT_EQ(run_check(work, work.file("nowhere")).status, 2);
}

}  // namespace
}  // namespace check_test
