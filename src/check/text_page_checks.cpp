#include "check/text_page_checks.h"

#include <cstring>
#include <vector>

#include "book/text_page.h"
#include "check/names.h"
#include "check/utf8_text.h"
#include "platform/files/text_reader.h"
#include "platform/files/whole_file.h"

namespace check {

namespace {

constexpr int header_line_count = 6;
constexpr int shown_characters = text_line_cut - 1;  // the room keeps the line end's place
constexpr char byte_order_mark[] = "\xEF\xBB\xBF";

std::string join_numbers(const std::vector<int>& numbers) {
  std::string text;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
    text += std::to_string(numbers[i]);
  }
  return text;
}

// A header line as decimal_to_int32 reads it: blanks, a sign, then at least one digit.
bool holds_a_number(const char* line) {
  const char* p = line;
  if (std::strncmp(p, byte_order_mark, 3) == 0) p += 3;  // reported as UTF-8 on its own
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '+' || *p == '-') ++p;
  return *p >= '0' && *p <= '9';
}

void check_header(Checking& c, Place place, const std::string& field, const std::string& name,
                  const std::string& path, const TextPageFacts& facts) {
  platform::TextReader reader(path);
  char line[text_read_size];
  std::vector<int> not_numbers;
  for (int i = 1; i <= facts.header_lines; ++i)
    if (reader.read_line(line, text_read_size) && !holds_a_number(line)) not_numbers.push_back(i);
  std::string problem;
  if (facts.header_lines < header_line_count)
    problem = "it ends after " + std::to_string(facts.header_lines) + " of its six header lines";
  if (!not_numbers.empty())
    problem += (problem.empty() ? "" : ", and ") + std::string(not_numbers.size() == 1 ? "header line " : "header lines ") +
               join_numbers(not_numbers) + (not_numbers.size() == 1 ? " is not a number" : " are not numbers");
  if (problem.empty()) return;
  c.findings.add(place, Severity::warning, "text-header", field, name,
                 path + ": " + problem +
                     "; a text page starts with six number lines (left edge, top, size, red, green, blue), and what "
                     "is missing or not a number reads as 0");
}

void check_cut_lines(Checking& c, Place place, const std::string& field, const std::string& name,
                     const std::string& path, const TextPageFacts& facts) {
  std::vector<std::string> cuts;
  int file_line = header_line_count + 1;
  for (int i = 0; i < text_page.text_line_count; ++i) {
    const int length = facts.read_length[i];
    const bool ended = facts.read_to_line_end[i];
    if (!ended && length == text_read_size - 1)
      cuts.push_back("line " + std::to_string(file_line) + " goes on past " + std::to_string(text_read_size - 1) +
                     " characters and its rest shows as lines of its own");
    else if (!ended)
      cuts.push_back("the last line " + std::to_string(file_line) + " has no line end and loses its last character");
    else if (length - 1 > shown_characters)
      cuts.push_back("line " + std::to_string(file_line) + " has " + std::to_string(length - 1) +
                     " characters and shows only " + std::to_string(shown_characters));
    if (ended) ++file_line;
  }
  if (cuts.empty()) return;
  std::string text;
  for (const std::string& cut : cuts) text += (text.empty() ? "" : "; ") + cut;
  c.findings.add(place, Severity::warning, "text-line-cut", field, name, path + ": " + text);
}

void check_utf8(Checking& c, Place place, const std::string& field, const std::string& name, const std::string& path) {
  const auto file = platform::WholeFile::read(path);
  if (!file) return;
  const Utf8Text utf8 = find_utf8_text(file->bytes());
  if (!utf8.found) return;
  std::string what = path + " is saved as UTF-8";
  if (utf8.byte_order_mark) what += " with a byte order mark, which makes its left edge read as 0";
  if (!utf8.word.empty())
    what += (utf8.byte_order_mark ? ", and" : ", so") + std::string(" \"") + utf8.word + "\" in line " +
            std::to_string(utf8.line) + " shows as \"" + utf8.shown_as + "\"";
  c.findings.add(place, Severity::warning, "utf8-text", field, name,
                 what + "; save it as Windows-1252 (iconv -f UTF-8 -t WINDOWS-1252)");
}

}  // namespace

void check_text_page(Checking& c, Place place, std::int32_t number) {
  const std::string field = "text page " + std::to_string(number);
  const std::string name = text_file(number);
  const auto path = find_reference(c, {place, field, name, "the page shows \"TEXTFEHLER   1\" instead of its text"},
                                   Medium::none);
  if (!path) return;
  TextPageFacts facts;
  const std::int32_t result = load_text_page_with_facts(name.c_str(), facts);
  if (result != text_page_read) {
    c.findings.add(place, Severity::error, "text-unreadable", field, name,
                   *path + (result == text_page_read_error ? " breaks off with a read error" : " cannot be opened") +
                       "; the page shows \"TEXTFEHLER " + (result < 10 ? "  " : " ") + std::to_string(result) +
                       "\" instead of its text");
    return;
  }
  check_header(c, place, field, name, *path, facts);
  check_cut_lines(c, place, field, name, *path, facts);
  if (facts.text_after_last_line)
    c.findings.add(place, Severity::warning, "text-beyond-40-lines", field, name,
                   *path + " goes on after its 40th text line, and the player shows only 40 (a line starting with # "
                           "ends the text)");
  check_utf8(c, place, field, name, *path);
}

}  // namespace check
