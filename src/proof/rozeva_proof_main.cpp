// rozeva-proof: every page of a book as the reader sees it, on one contact sheet.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "book/page_table.h"
#include "check/book_check.h"
#include "check/report.h"
#include "proof/contact_sheet.h"
#include "proof/program_log.h"
#include "proof/program_run.h"
#include "proof/sheet_facts.h"

namespace {

namespace fs = std::filesystem;

constexpr int proof_written = 0;
constexpr int proof_incomplete = 1;
constexpr int bad_usage = 2;

const char* const usage = "usage: rozeva-proof [--editor] BOOKDIR OUTDIR\n";

const char* const help =
    "rozeva-proof plays the book in BOOKDIR through the program itself, without a screen, and\n"
    "writes into OUTDIR a PNG picture of the title screen and of every page as the reader sees\n"
    "it (with the page number shown), of the blinking boxes of marked pages, and with --editor\n"
    "of every page in the editor with its status lines; thumbnails in OUTDIR/thumbs; and\n"
    "OUTDIR/index.html, a contact sheet of all pages in page order with each page's pictures,\n"
    "boxes, sounds, text page and transitions, and rozeva-check's findings beside the page.\n"
    "OUTDIR/proof-script.txt replays the same steps in rozeva-headless; the program's own\n"
    "diagnostic lines go to OUTDIR/program-log.txt.\n"
    "\n"
    "  --editor   also every page in the editor view\n"
    "  --help     show this text\n"
    "\n"
    "Exit status: 0 when the proof is written, 1 when a picture or the sheet could not be\n"
    "written, 2 when BOOKDIR cannot be read as a book.\n";

struct Arguments {
  bool editor = false;
  std::string book_dir;
  std::string out_dir;
};

enum class Parsed { run, help, bad };

Parsed parse(int argc, char** argv, Arguments& args) {
  int positional = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") return Parsed::help;
    if (word == "--editor") {
      args.editor = true;
    } else if (word.rfind("-", 0) == 0 || positional == 2) {
      return Parsed::bad;
    } else {
      (positional++ == 0 ? args.book_dir : args.out_dir) = word;
    }
  }
  return positional == 2 ? Parsed::run : Parsed::bad;
}

bool write_text_file(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return !out.fail();
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  switch (parse(argc, argv, args)) {
    case Parsed::help: std::fputs(usage, stdout); std::fputs("\n", stdout); std::fputs(help, stdout); return 0;
    case Parsed::bad: std::fputs(usage, stderr); return bad_usage;
    case Parsed::run: break;
  }
  std::error_code ec;
  const fs::path out_dir = fs::absolute(args.out_dir, ec);
  fs::create_directories(out_dir / "thumbs", ec);
  if (ec) {
    std::fprintf(stderr, "rozeva-proof: cannot make the folder %s: %s\n", args.out_dir.c_str(), ec.message().c_str());
    return proof_incomplete;
  }
  if (::chdir(args.book_dir.c_str()) != 0) {
    std::fprintf(stderr, "rozeva-proof: cannot open the book folder %s: %s\n", args.book_dir.c_str(),
                 std::strerror(errno));
    return bad_usage;
  }

  const check::CheckedBook checked = check::check_book();
  if (!checked.readable) {
    std::fprintf(stderr, "rozeva-proof: %s cannot be read as a book: %s\n", args.book_dir.c_str(),
                 checked.problem.c_str());
    return bad_usage;
  }
  proof::SheetContents sheet{args.book_dir, proof::book_facts(), proof::page_facts(), checked.findings.in_order(),
                             check::findings_summary(checked.findings), {}, {}};
  std::vector<bool> marked(static_cast<std::size_t>(pages.page_count) + 1, false);
  for (const proof::PageFacts& page : sheet.pages) marked[static_cast<std::size_t>(page.page)] = page.mark > 0;
  const proof::ProofPlan plan = proof::plan_proof(pages.page_count, marked, args.editor);
  sheet.shots = plan.shots;

  std::string problem;
  bool ran = false;
  std::vector<std::string> failed;
  {
    const proof::ProgramLog log((out_dir / "program-log.txt").string());
    proof::ProgressBar progress(static_cast<int>(plan.shots.size()), log.terminal());
    proof::ShotWriter writer(out_dir.string(), progress);
    ran = proof::run_program(plan, writer, problem);
    failed = writer.finish();
  }
  sheet.missing_shots.insert(failed.begin(), failed.end());
  for (const proof::PlannedShot& shot : plan.shots)
    if (!fs::exists(out_dir / (shot.name + ".png"))) sheet.missing_shots.insert(shot.name);

  const bool sheet_written = write_text_file(out_dir / "index.html", proof::contact_sheet_html(sheet)) &&
                             write_text_file(out_dir / "proof-script.txt", plan.script);
  if (!ran) std::fprintf(stderr, "rozeva-proof: %s\n", problem.c_str());
  for (const std::string& name : sheet.missing_shots)
    std::fprintf(stderr, "rozeva-proof: %s/%s.png could not be written\n", args.out_dir.c_str(), name.c_str());
  if (!sheet_written) std::fprintf(stderr, "rozeva-proof: cannot write %s/index.html\n", args.out_dir.c_str());
  const fs::path sheet_path = fs::path(args.out_dir) / "index.html";
  std::printf("rozeva-proof: %s: %d pages, %zu pictures, contact sheet %s; rozeva-check: %s\n", args.book_dir.c_str(),
              pages.page_count, plan.shots.size() - sheet.missing_shots.size(), sheet_path.c_str(),
              check::findings_summary(checked.findings).c_str());
  return ran && sheet_written && sheet.missing_shots.empty() ? proof_written : proof_incomplete;
}
