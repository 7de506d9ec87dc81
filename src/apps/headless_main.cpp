// rozeva-headless: the unmodified program on the headless backend, in a book folder, driven
// by an input script; writes what is on screen as PNG files and, on request, the sound log.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "graphics/screen_context.h"
#include "platform/display/png_writer.h"
#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_messages.h"
#include "platform/headless/headless_script.h"
#include "shell/main_loop.h"

namespace {

namespace fs = std::filesystem;
namespace headless = platform::headless;

constexpr int bad_usage = 2;
constexpr int program_did_not_end = 1;

const char* const usage = "usage: rozeva-headless [--shots DIR] [--sound-log FILE] BOOKDIR SCRIPT\n";

struct Arguments {
  std::string shots;
  std::string sound_log;
  std::string book_dir;
  std::string script;
};

bool parse_arguments(int argc, char** argv, Arguments& args) {
  int i = 1;
  for (; i + 1 < argc && std::strncmp(argv[i], "--", 2) == 0; i += 2) {
    if (std::strcmp(argv[i], "--shots") == 0)
      args.shots = argv[i + 1];
    else if (std::strcmp(argv[i], "--sound-log") == 0)
      args.sound_log = argv[i + 1];
    else
      return false;
  }
  if (argc - i != 2) return false;
  args.book_dir = argv[i];
  args.script = argv[i + 1];
  return true;
}

bool read_script(const std::string& name, std::string& text) {
  std::ostringstream contents;
  if (name == "-") {
    contents << std::cin.rdbuf();
  } else {
    std::ifstream file(name, std::ios::binary);
    if (!file) return false;
    contents << file.rdbuf();
  }
  text = contents.str();
  return true;
}

std::string absolute(const std::string& path) { return path.empty() ? path : fs::absolute(path).string(); }

}  // namespace

int main(int argc, char** argv) {
  Arguments args;
  if (!parse_arguments(argc, argv, args)) {
    std::fputs(usage, stderr);
    return bad_usage;
  }
  std::string text;
  if (!read_script(args.script, text)) {
    std::fprintf(stderr, "rozeva-headless: cannot read the script %s\n", args.script.c_str());
    return bad_usage;
  }
  const auto parsed = headless::parse_script(text, args.shots.empty() ? headless::ShotFolder::missing
                                                                        : headless::ShotFolder::given);
  if (!parsed.errors.empty()) {
    for (const auto& error : parsed.errors)
      std::fprintf(stderr, "rozeva-headless: %s: %s\n", args.script.c_str(), headless::describe(error).c_str());
    return bad_usage;
  }
  const std::string shots = absolute(args.shots);
  const std::string sound_log = absolute(args.sound_log);
  if (!shots.empty()) {
    std::error_code ec;
    fs::create_directories(shots, ec);
  }
  if (::chdir(args.book_dir.c_str()) != 0) {
    std::fprintf(stderr, "rozeva-headless: cannot enter the book folder %s\n", args.book_dir.c_str());
    return bad_usage;
  }
  if (!sound_log.empty() && !headless::start_sound_log(sound_log)) {
    std::fprintf(stderr, "rozeva-headless: cannot write the sound log %s\n", sound_log.c_str());
    return bad_usage;
  }
  headless::start_script(parsed.lines, [&shots](const std::string& name) {
    const std::string path = shots + "/" + name + ".png";
    if (!screen.primary_surface || !platform::write_png(*screen.primary_surface, path))
      std::fprintf(stderr, "rozeva-headless: cannot write the shot %s\n", path.c_str());
  });
  try {
    WinMain();
  } catch (const headless::ProgramOutlivedScript&) {
    headless::close_sound_log();
    std::fputs("rozeva-headless: the program did not end when the script and its close request ran out\n", stderr);
    return program_did_not_end;
  }
  headless::close_sound_log();
  return 0;
}
