// rozeva-demo DIR: writes the demo book, ready to be read by the program from DIR.
#include <cstdio>
#include <string>

#include "demo/demo_book.h"

namespace {
const char* const usage = "usage: rozeva-demo DIR\n";
}  // namespace

int main(int argc, char** argv) {
  const std::string word = argc == 2 ? argv[1] : "";
  if (word == "--help" || word == "-h") {
    std::fputs(usage, stdout);
    return 0;
  }
  // An option is never meant as a folder to write a book into.
  if (argc != 2 || word.empty() || word[0] == '-') {
    std::fputs(usage, stderr);
    return 2;
  }
  demo::DemoBookSummary summary;
  std::string problem;
  if (!demo::write_demo_book(argv[1], summary, problem)) {
    std::fprintf(stderr, "rozeva-demo: %s\n", problem.c_str());
    return 1;
  }
  std::printf("rozeva-demo: wrote the demo book into %s: %d pages, %d pictures, %d box pictures, %d text pages, "
              "%d sounds\n",
              argv[1], summary.pages, summary.pictures, summary.box_pictures, summary.text_pages, summary.sounds);
  return 0;
}
