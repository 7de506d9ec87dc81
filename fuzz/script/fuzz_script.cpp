// Any bytes as a headless input script, with and without a shot folder: every line is taken
// or named as bad, at its own line number, never both.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/headless/headless_script.h"

namespace {

using namespace platform::headless;

void check(std::string_view text, ShotFolder shots) {
  const ParsedScript parsed = parse_script(text, shots);
  const auto line_count = std::count(text.begin(), text.end(), '\n') + 1;
  int previous = 0;
  std::size_t next_error = 0;
  for (const ScriptLine& line : parsed.lines) {
    if (line.line_number <= previous || line.line_number > line_count) __builtin_trap();
    while (next_error < parsed.errors.size() && parsed.errors[next_error].line_number < line.line_number)
      ++next_error;
    if (next_error < parsed.errors.size() && parsed.errors[next_error].line_number == line.line_number)
      __builtin_trap();
    previous = line.line_number;
    if (const auto* typed = std::get_if<CharactersLine>(&line.command); typed && typed->codes.empty())
      __builtin_trap();
  }
  for (const ScriptError& error : parsed.errors)
    if (error.line_number < 1 || error.line_number > line_count || error.problem.empty()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  check(text, ShotFolder::given);
  check(text, ShotFolder::missing);
  return 0;
}
