// rozeva: the player on a real display, with real sound. The book is the working directory,
// or the folder named on the command line.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/files/file_lookup.h"
#include "platform/sdl/sdl_player.h"
#include "shell/main_loop.h"

namespace {

constexpr int bad_usage = 2;
constexpr int cannot_play = 1;

const char* const usage = "usage: rozeva [--window] [BOOKDIR]\n       rozeva --help | --version\n";

const char* const help =
    "rozeva plays the picture book in BOOKDIR (by default the current folder): a folder with\n"
    "lurinf.bin, the book file and the book's pictures, sounds and text pages.\n"
    "\n"
    "  --window   start in a window instead of on the whole screen\n"
    "  --help     show this text\n"
    "  --version  show the version\n"
    "\n"
    "Reading: click the buttons at the bottom right (redraw, menu, back, forward); the right\n"
    "button opens the menu. Alt+Enter switches between the whole screen and a window at any\n"
    "time; Alt+F4 or the menu's ENDE closes the book. F12 ends at once.\n";

struct Arguments {
  bool window = false;
  std::string book_dir;
};

enum class Parsed { play, help, version, bad };

Parsed parse(int argc, char** argv, Arguments& args) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--help" || word == "-h") return Parsed::help;
    if (word == "--version") return Parsed::version;
    if (word == "--window") {
      args.window = true;
    } else if (word.rfind("-", 0) == 0 || !args.book_dir.empty()) {
      return Parsed::bad;
    } else {
      args.book_dir = word;
    }
  }
  return Parsed::play;
}

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  switch (parse(argc, argv, args)) {
    case Parsed::help: std::fputs(usage, stdout); std::fputs("\n", stdout); std::fputs(help, stdout); return 0;
    case Parsed::version: std::printf("rozeva %s\n", ROZEVA_VERSION); return 0;
    case Parsed::bad: std::fputs(usage, stderr); return bad_usage;
    case Parsed::play: break;
  }
  if (!args.book_dir.empty() && ::chdir(args.book_dir.c_str()) != 0) {
    std::fprintf(stderr, "rozeva: cannot open the book folder %s: %s\n", args.book_dir.c_str(), std::strerror(errno));
    return bad_usage;
  }
  // The player itself ends without a word when lurinf.bin cannot be read; say why first.
  if (!platform::find_file("lurinf.bin")) {
    std::fprintf(stderr, "rozeva: %s is not a book folder: it has no lurinf.bin\n",
                 args.book_dir.empty() ? "the current folder" : args.book_dir.c_str());
    return cannot_play;
  }
  platform::sdl::set_player_options({args.window});
  const int exit_code = WinMain();
  platform::sdl::close_player();
  // No window means no display: the player has said so on stderr and must not report success.
  return platform::sdl::window_was_refused() ? cannot_play : exit_code;
}
