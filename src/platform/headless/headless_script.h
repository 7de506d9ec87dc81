#pragma once
// The input script of the headless runner: one command per line, read and checked whole
// before the program starts, so a bad line anywhere stops the run before anything happens.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform::headless {

// One relative movement in device counts.
struct MoveLine {
  std::int32_t dx = 0;
  std::int32_t dy = 0;
};
// A button pressed and released: 0 left, 1 right.
struct ClickLine {
  int button = 0;
};
// One key-down message.
struct KeyLine {
  std::uintptr_t key_code = 0;
};
// Typed characters as Windows-1252 codes, one WM_CHAR each (`char` gives one, `type` several).
struct CharactersLine {
  std::string codes;
};
// Program time passing while the program is idle.
struct WaitLine {
  std::int64_t ms = 0;
};
// A picture of the screen, written as NAME.png in the shot folder.
struct ShotLine {
  std::string name;
};
struct FocusLine {
  bool active = false;
};
// A close request, as Alt+F4 gives.
struct CloseLine {};
// Another application takes the mouse: the device's next read reports its input lost.
struct MouseLostLine {};

using ScriptCommand = std::variant<MoveLine, ClickLine, KeyLine, CharactersLine, WaitLine,
                                   ShotLine, FocusLine, CloseLine, MouseLostLine>;

struct ScriptLine {
  int line_number = 0;
  ScriptCommand command;
};

struct ScriptError {
  int line_number = 0;
  std::string problem;
};

struct ParsedScript {
  std::vector<ScriptLine> lines;
  // Every bad line, in order; the script is usable only when there is none.
  std::vector<ScriptError> errors;
};

// Whether the runner was given a folder for shots; without one a `shot` line is bad.
enum class ShotFolder { given, missing };

// Movements beyond this many counts in one item are refused: no mouse reports them, and the
// program doubles the counts in 32 bits.
inline constexpr std::int32_t largest_move_counts = 1'000'000;
// A wait longer than a day is taken for a typing mistake.
inline constexpr std::int64_t longest_wait_ms = 86'400'000;

// Lines end with LF, a CR before it is ignored; blank lines and lines starting with # are
// skipped. Line numbers count every line from 1.
ParsedScript parse_script(std::string_view text, ShotFolder shots);

// "line N: problem", for the runner's report.
std::string describe(const ScriptError& error);

}  // namespace platform::headless
