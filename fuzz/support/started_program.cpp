#include "started_program.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "book/configuration.h"
#include "platform/headless/headless_display.h"
#include "shell/program_state.h"
#include "shell/startup.h"
#include "sound/sound_channels.h"

namespace {

std::string scratch_folder;

void remove_scratch_folder() {
  std::error_code ec;
  std::filesystem::remove_all(scratch_folder, ec);
}

}  // namespace

const std::string& start_program_in_scratch_folder() {
  if (!scratch_folder.empty()) return scratch_folder;
  char pattern[] = "/tmp/rozeva-fuzz-XXXXXX";
  if (!::mkdtemp(pattern) || ::chdir(pattern) != 0) std::abort();
  scratch_folder = pattern;
  std::atexit(remove_scratch_folder);
  platform::headless::reset_refusals();
  reset_program_state();
  set_default_names();
  if (!startup()) std::abort();
  sound_startup(0);
  return scratch_folder;
}

void write_scratch_file(const char* name, const void* data, std::size_t size) {
  std::FILE* file = std::fopen(name, "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  if (std::fclose(file) != 0) std::abort();
}
