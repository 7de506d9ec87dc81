// Any bytes as a text page: the loader must stay inside its record, and what it stores must
// be a line the drawing can measure.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "book/text_page.h"

namespace {

char scratch_name[] = "/tmp/fuzz_text_page_XXXXXX";

void remove_scratch_file() { unlink(scratch_name); }

const char* scratch_file() {
  static const char* const path = [] {
    const int fd = mkstemp(scratch_name);
    if (fd < 0) std::abort();
    close(fd);
    std::atexit(remove_scratch_file);
    return scratch_name;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const char* path = scratch_file();
  std::FILE* file = std::fopen(path, "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);

  const std::int32_t result = load_text_page(path);
  if (result != text_page_read) std::abort();  // the file exists and reads
  if (text_page.text_line_count < 0 || text_page.text_line_count > text_line_capacity) std::abort();
  for (int i = 0; i < text_page.text_line_count; ++i)
    if (std::strlen(text_page.text_lines[i]) > static_cast<std::size_t>(text_line_cut)) std::abort();
  return 0;
}
