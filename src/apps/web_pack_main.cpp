// rozeva-web BOOKDIR OUTDIR: writes a folder of static files that plays the book in a browser:
// the web player (make web), and the book's files in book.js and book-files/.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "web_pack/book_description.h"
#include "web_pack/book_files.h"
#include "web_pack/book_script.h"

namespace {

namespace fs = std::filesystem;

constexpr int bad_usage = 2;
constexpr int cannot_pack = 1;

const char* const usage = "usage: rozeva-web [--player DIR] BOOKDIR OUTDIR\n";
const char* const player_files[] = {"index.html", "rozeva.js", "rozeva-page.js", "rozeva-page.css"};

int fail(const std::string& text) {
  std::fprintf(stderr, "rozeva-web: %s\n", text.c_str());
  return cannot_pack;
}

bool write_file(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return !out.fail();
}

}  // namespace

int main(int argc, char** argv) {
  fs::path player = ROZEVA_WEB_PLAYER_DIR;
  int first = 1;
  if (argc > 2 && std::strcmp(argv[1], "--player") == 0) {
    player = argv[2];
    first = 3;
  }
  if (argc - first != 2) {
    std::fputs(usage, stderr);
    return bad_usage;
  }
  std::error_code error;
  const fs::path book_dir = fs::absolute(argv[first]);
  const fs::path out_dir = fs::absolute(argv[first + 1]);
  for (const char* name : player_files)
    if (!fs::is_regular_file(player / name))
      return fail("the web player is not built: " + (player / name).string() + " is missing (make web builds it)");
  if (!fs::is_directory(book_dir, error)) return fail("cannot pack " + book_dir.string() + ": it is no folder");
  const auto description = web_pack::describe_book(book_dir);
  if (!description)
    return fail("cannot pack " + (book_dir / "lurinf.bin").string() + ": a book folder needs a readable lurinf.bin");
  const web_pack::GatheredBook book = web_pack::gather_book_files(book_dir, out_dir);
  if (!book.problem.empty()) return fail(book.problem);

  fs::create_directories(out_dir, error);
  if (error) return fail("cannot write " + out_dir.string() + ": " + error.message());
  const web_pack::BookScripts scripts = web_pack::book_scripts(book.files, *description);
  // A packing before this one may have left files of another book.
  fs::remove_all(out_dir / web_pack::book_files_folder, error);
  fs::create_directories(out_dir / web_pack::book_files_folder, error);
  if (error) return fail("cannot write " + (out_dir / web_pack::book_files_folder).string() + ": " + error.message());
  if (!write_file(out_dir / "book.js", scripts.book)) return fail("cannot write " + (out_dir / "book.js").string());
  for (const auto& [name, script] : scripts.files)
    if (!write_file(out_dir / name, script)) return fail("cannot write " + (out_dir / name).string());
  for (const char* name : player_files) {
    fs::copy_file(player / name, out_dir / name, fs::copy_options::overwrite_existing, error);
    if (error) return fail("cannot write " + (out_dir / name).string() + ": " + error.message());
  }
  std::uintmax_t bytes = 0;
  for (const auto& file : book.files) bytes += file.bytes.size();
  std::printf("rozeva-web: %zu files (%.1f MiB) of %s packed into %s; open %s in a browser\n", book.files.size(),
              static_cast<double>(bytes) / (1 << 20), book_dir.c_str(), out_dir.c_str(),
              (out_dir / "index.html").c_str());
  return 0;
}
