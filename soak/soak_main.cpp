// rozeva-soak: plays rozeva-headless with seeded random scripts on the demo book and on random
// books, and checks that every run ends through the exit path without a sanitizer report and
// that every book it saves is whole and loads again. A failing seed is written out as a book
// folder and a script, the bug report that replays it.
//
//   rozeva-soak HEADLESS [--first SEED] [--seeds N] [--events N] [--failures DIR]
//   rozeva-soak --replay SEED EVENTS DIR    writes DIR/book and DIR/script.txt
#include <stdlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo/demo_book.h"
#include "soak_book.h"
#include "soak_run.h"
#include "soak_script.h"

namespace {

namespace fs = std::filesystem;

constexpr int bad_usage = 2;
const char* const usage =
    "usage: rozeva-soak HEADLESS [--first SEED] [--seeds N] [--events N] [--failures DIR]\n"
    "       rozeva-soak --replay SEED EVENTS DIR\n";

struct Options {
  std::string headless;
  std::uint64_t first = 1;
  int seeds = 4;
  int events = 100'000;
  fs::path failures = "soak-failures";
};

bool parse(int argc, char** argv, Options& options) {
  if (argc < 2) return false;
  options.headless = argv[1];
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--first") options.first = std::strtoull(value, nullptr, 10);
    else if (name == "--seeds") options.seeds = std::atoi(value);
    else if (name == "--events") options.events = std::atoi(value);
    else if (name == "--failures") options.failures = value;
    else return false;
  }
  return argc % 2 == 0 && options.seeds > 0 && options.events > 0;
}

bool write_demo(const fs::path& folder) {
  demo::DemoBookSummary summary;
  std::string problem;
  if (demo::write_demo_book(folder.string(), summary, problem)) return true;
  std::fprintf(stderr, "rozeva-soak: cannot write the demo book: %s\n", problem.c_str());
  return false;
}

// The seed's book folder and script, as the run got them.
soak::SoakBook write_case(const fs::path& demo, const fs::path& dir, std::uint64_t seed, int events) {
  fs::create_directories(dir);
  const soak::SoakBook book = soak::write_soak_book(demo, dir / "book", seed);
  std::ofstream(dir / "script.txt", std::ios::binary) << soak::random_script(seed, events);
  return book;
}

fs::path make_work_folder() {
  char pattern[] = "/tmp/rozeva-soak-XXXXXX";
  return ::mkdtemp(pattern) ? fs::path(pattern) : fs::path();
}

int replay(const char* seed, const char* events, const char* dir) {
  const fs::path work = make_work_folder();
  if (work.empty() || !write_demo(work / "demo")) return 1;
  write_case(work / "demo", dir, std::strtoull(seed, nullptr, 10), std::atoi(events));
  fs::remove_all(work);
  std::printf("rozeva-headless --shots %s/shots %s/book %s/script.txt\n", dir, dir, dir);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "--replay") == 0) return replay(argv[2], argv[3], argv[4]);
  Options options;
  if (!parse(argc, argv, options)) {
    std::fputs(usage, stderr);
    return bad_usage;
  }
  options.headless = fs::absolute(options.headless).string();
  const fs::path work = make_work_folder();
  if (work.empty() || !write_demo(work / "demo")) return 1;

  int failed = 0;
  for (std::uint64_t seed = options.first; seed < options.first + options.seeds; ++seed) {
    const fs::path dir = work / ("seed-" + std::to_string(seed));
    const soak::SoakBook book = write_case(work / "demo", dir, seed, options.events);
    const soak::RunReport report =
        soak::run_soak(options.headless, dir / "book", dir / "script.txt", dir, book.starts);
    std::printf("seed %llu: %d events, %s; %d saves, %d backups, %.1f s: %s\n",
                static_cast<unsigned long long>(seed), options.events, book.description.c_str(), report.saves,
                report.backups, report.seconds, report.problem.empty() ? "ok" : report.problem.c_str());
    std::fflush(stdout);
    if (!report.problem.empty()) {
      ++failed;
      const fs::path kept = options.failures / ("seed-" + std::to_string(seed));
      fs::remove_all(kept);
      write_case(work / "demo", kept, seed, options.events);
      std::printf("  the bug report: %s (replay: rozeva-headless --shots shots %s/book %s/script.txt)\n",
                  kept.c_str(), kept.c_str(), kept.c_str());
    }
    fs::remove_all(dir);
  }
  fs::remove_all(work);
  std::printf("rozeva-soak: %d of %d runs failed\n", failed, options.seeds);
  return failed == 0 ? 0 : 1;
}
