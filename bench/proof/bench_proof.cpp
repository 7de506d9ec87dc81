// The wall-clock time rozeva-proof takes for a book of the largest size, 299 pages: the demo
// book's twelve pages over and over (each with its picture, boxes, text page and sounds, its
// marks and transitions), so every page turn reads and draws a real page.
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "book/book_file.h"
#include "book/configuration.h"
#include "book/page_table.h"
#include "demo/demo_book.h"
#include "support/temp_dir.h"

extern char** environ;

namespace {

constexpr std::int32_t largest_book = max_page_count;

// The demo's book file read back and its pages repeated up to the largest book.
bool stretch_to_largest_book(const std::filesystem::path& book) {
  const std::string name = (book / "buch.dat").string();
  const std::string original = test_support::read_file(name);
  if (original.size() != static_cast<std::size_t>(book_file_size)) return false;
  // The demo writes its table through the program's record: read the same record back.
  test_support::ScopedWorkingDir in_book(book);
  std::snprintf(config.book_file_name, sizeof config.book_file_name, "%s", "buch.dat");
  if (load_book() != 0) return false;
  const std::int32_t story = pages.page_count;
  auto copy = [](std::int32_t* field, int to, int from) { field[to] = field[from]; };
  for (int p = story + 1; p <= largest_book; ++p) {
    const int from = (p - 1) % story + 1;
    for (std::int32_t* field : {pages.picture, pages.box1, pages.box1_x, pages.box1_y, pages.box2, pages.box2_x,
                                pages.box2_y, pages.box3, pages.box3_x, pages.box3_y, pages.wave, pages.back_sound,
                                pages.level, pages.back_transition, pages.forward_transition, pages.text_file})
      copy(field, p, from);
    pages.mark[p] = pages.mark[from];
  }
  pages.page_count = largest_book;
  return save_book() == 0;
}

// Seconds rozeva-proof took, or a negative number when it did not write its proof.
double seconds_to_proof(const std::string& book, const std::string& out) {
  std::vector<std::string> arguments = {ROZEVA_PROOF_EXE, book, out};
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  test_support::TempDir dir;
  const std::filesystem::path book = dir.path() / "book";
  demo::DemoBookSummary summary;
  std::string problem;
  if (!demo::write_demo_book(book.string(), summary, problem) || !stretch_to_largest_book(book)) {
    std::fprintf(stderr, "bench_proof: cannot write the book: %s\n", problem.c_str());
    return 1;
  }
  const double seconds = seconds_to_proof(book.string(), (dir.path() / "proof").string());
  if (seconds < 0) {
    std::fputs("bench_proof: rozeva-proof did not write its proof\n", stderr);
    return 1;
  }
  std::printf("rozeva-proof of a %d-page book: %.1f s\n", largest_book, seconds);
  std::printf("RATIO proof_299_pages_s %.1f goal <= 60\n", seconds);
  return 0;
}
