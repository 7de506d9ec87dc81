#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_script.h"
#include "platform/messages/window_messages.h"

namespace {

using namespace platform::headless;

// The one command of a script that must hold exactly one good line.
template <typename Command>
Command only_command(std::string_view text, ShotFolder shots = ShotFolder::given) {
  const ParsedScript parsed = parse_script(text, shots);
  EXPECT_TRUE(parsed.errors.empty()) << (parsed.errors.empty() ? "" : describe(parsed.errors[0]));
  EXPECT_EQ(parsed.lines.size(), 1u);
  if (parsed.lines.size() != 1 || !std::holds_alternative<Command>(parsed.lines[0].command)) {
    ADD_FAILURE() << "not the expected command: " << text;
    return Command{};
  }
  return std::get<Command>(parsed.lines[0].command);
}

// The problem of a script whose only line is bad, with its line number checked.
std::string only_problem(std::string_view text, int line_number, ShotFolder shots = ShotFolder::given) {
  const ParsedScript parsed = parse_script(text, shots);
  EXPECT_TRUE(parsed.lines.empty());
  if (parsed.errors.size() != 1) {
    ADD_FAILURE() << "expected one bad line in: " << text;
    return {};
  }
  EXPECT_EQ(parsed.errors[0].line_number, line_number);
  return parsed.errors[0].problem;
}

TEST(ScriptCommands, MouseLines) {
  const MoveLine move = only_command<MoveLine>("move 5 -3");
  EXPECT_EQ(move.dx, 5);
  EXPECT_EQ(move.dy, -3);
  EXPECT_EQ(only_command<MoveLine>("move -1000000 1000000").dx, -largest_move_counts);
  EXPECT_EQ(only_command<ClickLine>("left").button, 0);
  EXPECT_EQ(only_command<ClickLine>("right").button, 1);
}

TEST(ScriptCommands, KeysByNameAnyOtherNameIsAnIgnoredKey) {
  const std::pair<const char*, std::uintptr_t> keys[] = {
      {"F1", platform::VK_F1},       {"F3", platform::VK_F3},         {"F12", platform::VK_F12},
      {"LEFT", platform::VK_LEFT},   {"UP", platform::VK_UP},         {"RIGHT", platform::VK_RIGHT},
      {"DOWN", platform::VK_DOWN},   {"ENTER", platform::VK_RETURN},  {"ESCAPE", platform::VK_ESCAPE},
      {"BACKSPACE", platform::VK_BACK}, {"TAB", platform::VK_TAB},    {"f12", platform::VK_F12},
      {"F5", 0},                     {"A", 0},
  };
  for (const auto& [name, code] : keys)
    EXPECT_EQ(only_command<KeyLine>(std::string("key ") + name).key_code, code) << name;
}

TEST(ScriptCommands, CharacterCodes) {
  EXPECT_EQ(only_command<CharactersLine>("char 13").codes, "\r");
  EXPECT_EQ(only_command<CharactersLine>("char 0").codes, std::string(1, '\0'));
  EXPECT_EQ(only_command<CharactersLine>("char 255").codes, "\xFF");
}

TEST(ScriptCommands, TypedTextBecomesWindows1252Codes) {
  EXPECT_EQ(only_command<CharactersLine>("type Seite 12").codes, "Seite 12");
  EXPECT_EQ(only_command<CharactersLine>("type \xC3\x84").codes, "\xC4");  // Ä
  EXPECT_EQ(only_command<CharactersLine>("type \xE2\x82\xAC\xE2\x80\x9Ex\xE2\x80\x9C").codes,
            "\x80\x84x\x93");  // €„x“
  // One space separates; the rest, blanks included, is the text.
  EXPECT_EQ(only_command<CharactersLine>("type  a b ").codes, " a b ");
}

TEST(ScriptCommands, TimeShotsFocusCloseAndALostMouse) {
  EXPECT_EQ(only_command<WaitLine>("wait 2500").ms, 2500);
  EXPECT_EQ(only_command<WaitLine>("wait 0").ms, 0);
  EXPECT_EQ(only_command<WaitLine>("wait 86400000").ms, longest_wait_ms);
  EXPECT_EQ(only_command<ShotLine>("shot title-1_a.b").name, "title-1_a.b");
  EXPECT_FALSE(only_command<FocusLine>("focus 0").active);
  EXPECT_TRUE(only_command<FocusLine>("focus 1").active);
  only_command<CloseLine>("close");
  only_command<MouseLostLine>("lose-mouse");
}

TEST(ScriptLayout, SkipsBlankAndCommentLinesAndCountsEveryLine) {
  const ParsedScript parsed =
      parse_script("# title screen\n\nleft\n   \n  # indented comment\nkey F1\n", ShotFolder::missing);
  ASSERT_TRUE(parsed.errors.empty());
  ASSERT_EQ(parsed.lines.size(), 2u);
  EXPECT_EQ(parsed.lines[0].line_number, 3);
  EXPECT_TRUE(std::holds_alternative<ClickLine>(parsed.lines[0].command));
  EXPECT_EQ(parsed.lines[1].line_number, 6);
}

TEST(ScriptLayout, CrLfScriptsReadAsLfScripts) {
  const ParsedScript parsed = parse_script("left\r\ntype ab\r\n\r\nwait 10\r\nclose", ShotFolder::missing);
  ASSERT_TRUE(parsed.errors.empty()) << describe(parsed.errors[0]);
  ASSERT_EQ(parsed.lines.size(), 4u);
  EXPECT_EQ(std::get<CharactersLine>(parsed.lines[1].command).codes, "ab");
  EXPECT_EQ(std::get<WaitLine>(parsed.lines[2].command).ms, 10);
  EXPECT_EQ(parsed.lines[3].line_number, 5);
  EXPECT_TRUE(parse_script("", ShotFolder::missing).lines.empty());
}

TEST(ScriptLayout, ACrInsideALineIsPartOfIt) {
  EXPECT_EQ(only_command<CharactersLine>("type a\rb").codes, "a\rb");
  only_problem("wait 5\r\r\n", 1);
}

TEST(BadLines, NameTheLineAndTheProblem) {
  const ParsedScript parsed = parse_script("left\njump 3\nleft\nmove 1\n", ShotFolder::missing);
  ASSERT_EQ(parsed.errors.size(), 2u);
  EXPECT_EQ(describe(parsed.errors[0]), "line 2: unknown command \"jump\"");
  EXPECT_EQ(parsed.errors[1].line_number, 4);
  EXPECT_NE(parsed.errors[1].problem.find("move DX DY"), std::string::npos);
}

TEST(BadLines, WrongArgumentsForEveryCommand) {
  const char* bad[] = {
      "move",        "move 1 2 3",  "move x 1",      "move 1.5 0",    "move 1000001 0",
      "move 0 +1",   "left 1",      "right now",     "key",           "key F1 F3",
      "char",        "char 256",    "char -1",       "char 0x41",     "type",
      "type ",       "wait",        "wait -1",       "wait 86400001", "wait 1s",
      "shot",        "shot a b",    "shot ../x",     "shot a/b",      "focus",
      "focus 2",     "focus yes",   "close now",     "Left",          "MOVE 1 1",
      "lose-mouse 1",
  };
  for (const char* line : bad) EXPECT_FALSE(only_problem(line, 1).empty()) << line;
}

TEST(BadLines, TypedTextMustBeUtf8WithWindows1252Characters) {
  EXPECT_EQ(only_problem("type \xE4", 1), "type: the text is not UTF-8 (at byte 1)");
  EXPECT_EQ(only_problem("type a\xC3", 1), "type: the text is not UTF-8 (at byte 2)");
  EXPECT_EQ(only_problem("type \xC0\x80", 1), "type: the text is not UTF-8 (at byte 1)");  // overlong
  EXPECT_EQ(only_problem("type \xED\xA0\x80", 1), "type: the text is not UTF-8 (at byte 1)");  // surrogate
  EXPECT_EQ(only_problem("type x\xE4\xB8\xAD", 1), "type: U+4E2D has no Windows-1252 code");
  EXPECT_EQ(only_problem("type \xC2\x81", 1), "type: U+0081 has no Windows-1252 code");
  EXPECT_EQ(only_problem("type \xF0\x9F\x98\x80", 1), "type: U+1F600 has no Windows-1252 code");
}

TEST(BadLines, ShotWithoutAShotFolder) {
  EXPECT_EQ(only_problem("\n\nshot title", 3, ShotFolder::missing),
            "shot needs a shot folder (--shots DIR)");
}

}  // namespace
