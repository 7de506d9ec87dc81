#include "platform/headless/headless_script.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <utility>

#include "platform/text/utf8_to_windows_1252.h"
#include "platform/messages/window_messages.h"

namespace platform::headless {

namespace {

constexpr std::string_view blanks = " \t";
constexpr int largest_character_code = 255;
// A key the program has no command for; its name says which key the script meant.
constexpr std::uintptr_t ignored_key_code = 0;

struct KeyName {
  std::string_view name;
  std::uintptr_t code;
};

constexpr std::array<KeyName, 11> key_names = {{
    {"F1", VK_F1},
    {"F3", VK_F3},
    {"F12", VK_F12},
    {"LEFT", VK_LEFT},
    {"UP", VK_UP},
    {"RIGHT", VK_RIGHT},
    {"DOWN", VK_DOWN},
    {"ENTER", VK_RETURN},
    {"ESCAPE", VK_ESCAPE},
    {"BACKSPACE", VK_BACK},
    {"TAB", VK_TAB},
}};

// A command, or the problem that makes its line bad.
using Outcome = std::variant<ScriptCommand, std::string>;

std::vector<std::string_view> split_words(std::string_view text) {
  std::vector<std::string_view> words;
  std::size_t at = text.find_first_not_of(blanks);
  while (at != std::string_view::npos) {
    const std::size_t end = std::min(text.find_first_of(blanks, at), text.size());
    words.push_back(text.substr(at, end - at));
    at = text.find_first_not_of(blanks, end);
  }
  return words;
}

std::optional<std::int64_t> whole_number(std::string_view word, std::int64_t smallest,
                                         std::int64_t largest) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc{} || end != word.data() + word.size()) return std::nullopt;
  if (value < smallest || value > largest) return std::nullopt;
  return value;
}

bool same_letters_ignoring_case(std::string_view a, std::string_view b) {
  auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return upper(x) == upper(y); });
}

bool is_shot_name_character(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.';
}

Outcome parse_move(const std::vector<std::string_view>& words) {
  const std::string usage = "move needs two counts -" + std::to_string(largest_move_counts) + ".." +
                            std::to_string(largest_move_counts) + ": move DX DY";
  if (words.size() != 2) return usage;
  const auto dx = whole_number(words[0], -largest_move_counts, largest_move_counts);
  const auto dy = whole_number(words[1], -largest_move_counts, largest_move_counts);
  if (!dx || !dy) return usage;
  return MoveLine{static_cast<std::int32_t>(*dx), static_cast<std::int32_t>(*dy)};
}

Outcome parse_click(std::string_view command, const std::vector<std::string_view>& words) {
  if (!words.empty()) return std::string(command) + " takes nothing after it";
  return ClickLine{command == "left" ? 0 : 1};
}

Outcome parse_key(const std::vector<std::string_view>& words) {
  if (words.size() != 1) return std::string("key needs one key name: key NAME");
  for (const KeyName& key : key_names)
    if (same_letters_ignoring_case(words[0], key.name)) return KeyLine{key.code};
  return KeyLine{ignored_key_code};
}

Outcome parse_char(const std::vector<std::string_view>& words) {
  const auto code = words.size() == 1 ? whole_number(words[0], 0, largest_character_code) : std::nullopt;
  if (!code) return std::string("char needs one code 0..255: char CODE");
  return CharactersLine{std::string(1, static_cast<char>(*code))};
}

// The text is the rest of the line after one separator; further blanks belong to it.
Outcome parse_type(std::string_view after_command) {
  const std::string_view text = after_command.empty() ? after_command : after_command.substr(1);
  if (text.empty()) return std::string("type needs a text: type TEXT");
  TypedText typed = windows_1252_codes_of_utf8(text);
  if (!typed.problem.empty()) return "type: " + typed.problem;
  return CharactersLine{std::move(typed.codes)};
}

Outcome parse_wait(const std::vector<std::string_view>& words) {
  const auto ms = words.size() == 1 ? whole_number(words[0], 0, longest_wait_ms) : std::nullopt;
  if (!ms) return "wait needs one number of milliseconds 0.." + std::to_string(longest_wait_ms) + ": wait MS";
  return WaitLine{*ms};
}

Outcome parse_shot(const std::vector<std::string_view>& words, ShotFolder shots) {
  if (shots == ShotFolder::missing) return std::string("shot needs a shot folder (--shots DIR)");
  if (words.size() != 1 || !std::all_of(words[0].begin(), words[0].end(), is_shot_name_character))
    return std::string("shot needs one name of letters, digits, '-', '_' and '.': shot NAME");
  return ShotLine{std::string(words[0])};
}

Outcome parse_focus(const std::vector<std::string_view>& words) {
  if (words.size() != 1 || (words[0] != "0" && words[0] != "1"))
    return std::string("focus needs 0 (lose) or 1 (gain): focus 0|1");
  return FocusLine{words[0] == "1"};
}

Outcome parse_close(const std::vector<std::string_view>& words) {
  if (!words.empty()) return std::string("close takes nothing after it");
  return CloseLine{};
}

Outcome parse_lose_mouse(const std::vector<std::string_view>& words) {
  if (!words.empty()) return std::string("lose-mouse takes nothing after it");
  return MouseLostLine{};
}

Outcome parse_command(std::string_view line, ShotFolder shots) {
  const std::size_t start = line.find_first_not_of(blanks);
  const std::string_view rest_of_line = line.substr(start);
  const std::string_view command = rest_of_line.substr(0, rest_of_line.find_first_of(blanks));
  const std::string_view after_command = rest_of_line.substr(command.size());
  const std::vector<std::string_view> words = split_words(after_command);

  if (command == "move") return parse_move(words);
  if (command == "left" || command == "right") return parse_click(command, words);
  if (command == "key") return parse_key(words);
  if (command == "char") return parse_char(words);
  if (command == "type") return parse_type(after_command);
  if (command == "wait") return parse_wait(words);
  if (command == "shot") return parse_shot(words, shots);
  if (command == "focus") return parse_focus(words);
  if (command == "close") return parse_close(words);
  if (command == "lose-mouse") return parse_lose_mouse(words);
  return "unknown command \"" + std::string(command) + "\"";
}

bool is_skipped(std::string_view line) {
  const std::size_t start = line.find_first_not_of(blanks);
  return start == std::string_view::npos || line[start] == '#';
}

}  // namespace

ParsedScript parse_script(std::string_view text, ShotFolder shots) {
  ParsedScript parsed;
  int line_number = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    std::string_view line = text.substr(at, end - at);
    at = end + 1;
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (is_skipped(line)) continue;

    Outcome outcome = parse_command(line, shots);
    if (auto* problem = std::get_if<std::string>(&outcome))
      parsed.errors.push_back(ScriptError{line_number, std::move(*problem)});
    else
      parsed.lines.push_back(ScriptLine{line_number, std::move(std::get<ScriptCommand>(outcome))});
  }
  return parsed;
}

std::string describe(const ScriptError& error) {
  return "line " + std::to_string(error.line_number) + ": " + error.problem;
}

}  // namespace platform::headless
