#include "check/utf8_text.h"

#include "platform/text/windows_1252.h"

namespace check {

namespace {

constexpr std::size_t byte_order_mark_size = 3;
constexpr std::uint8_t ctrl_z = 0x1A;
constexpr std::size_t longest_word = 24;

bool byte_order_mark_at_start(std::span<const std::uint8_t> text) {
  return text.size() >= byte_order_mark_size && text[0] == 0xEF && text[1] == 0xBB && text[2] == 0xBF;
}

// The length of the UTF-8 sequence at `at` (1 for ASCII), 0 when the bytes are not UTF-8.
std::size_t sequence_length(std::span<const std::uint8_t> text, std::size_t at) {
  const std::uint8_t lead = text[at];
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i)
    if ((text[at + i] & 0xC0) != 0x80) return 0;
  return length;
}

bool is_blank(std::uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string word_around(std::span<const std::uint8_t> text, std::size_t at) {
  std::size_t start = at;
  while (start > 0 && !is_blank(text[start - 1]) && at - start < longest_word / 2) --start;
  std::size_t end = at;
  while (end < text.size() && !is_blank(text[end]) && end - start < longest_word) ++end;
  // Never cut a character in two.
  while (end < text.size() && (text[end] & 0xC0) == 0x80) ++end;
  return std::string(text.begin() + static_cast<std::ptrdiff_t>(start), text.begin() + static_cast<std::ptrdiff_t>(end));
}

}  // namespace

std::string displayable(const std::string& bytes) {
  const std::span<const std::uint8_t> text(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = sequence_length(text, at);
    if (length == 0) return platform::utf8_of_windows_1252(bytes);
    at += length;
  }
  return bytes;
}

Utf8Text find_utf8_text(std::span<const std::uint8_t> file) {
  std::span<const std::uint8_t> text = file;
  for (std::size_t i = 0; i < file.size(); ++i)
    if (file[i] == ctrl_z) {
      text = file.first(i);
      break;
    }
  Utf8Text result;
  result.byte_order_mark = byte_order_mark_at_start(text);
  std::size_t first_wide = text.size();
  int line = 1;
  int first_wide_line = 0;
  for (std::size_t at = result.byte_order_mark ? byte_order_mark_size : 0; at < text.size();) {
    const std::size_t length = sequence_length(text, at);
    if (length == 0) return Utf8Text{};  // not UTF-8: Windows-1252 as the player expects
    if (length > 1 && first_wide == text.size()) {
      first_wide = at;
      first_wide_line = line;
    }
    if (text[at] == '\n') ++line;
    at += length;
  }
  if (first_wide == text.size() && !result.byte_order_mark) return Utf8Text{};
  result.found = true;
  if (first_wide < text.size()) {
    result.line = first_wide_line;
    result.word = word_around(text, first_wide);
    result.shown_as = platform::utf8_of_windows_1252(result.word);
  } else {
    result.line = 1;
  }
  return result;
}

}  // namespace check
