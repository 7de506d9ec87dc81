#include "platform/text/utf8_to_windows_1252.h"

#include <optional>

#include "platform/text/windows_1252.h"

namespace platform {

namespace {

constexpr char32_t largest_code_point = 0x10FFFF;
constexpr char32_t first_surrogate = 0xD800;
constexpr char32_t last_surrogate = 0xDFFF;

struct Decoded {
  char32_t code_point = 0;
  std::size_t length = 0;
};

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One strictly formed UTF-8 sequence at the start of `text`: no overlong forms, no surrogates.
std::optional<Decoded> decode_one(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  char32_t code_point = 0;
  char32_t smallest = 0;
  if (lead < 0x80) return Decoded{lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code_point = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code_point = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code_point = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (!is_continuation(byte)) return std::nullopt;
    code_point = (code_point << 6) | (byte & 0x3F);
  }
  if (code_point < smallest || code_point > largest_code_point) return std::nullopt;
  if (code_point >= first_surrogate && code_point <= last_surrogate) return std::nullopt;
  return Decoded{code_point, length};
}

std::optional<unsigned char> windows_1252_code(char32_t code_point) {
  for (int byte = 0; byte <= 0xFF; ++byte)
    if (windows_1252_to_unicode(static_cast<unsigned char>(byte)) == code_point)
      return static_cast<unsigned char>(byte);
  return std::nullopt;
}

// "U+00C4" style, at least four hex digits.
std::string code_point_name(char32_t code_point) {
  constexpr std::string_view hex_digits = "0123456789ABCDEF";
  std::string digits;
  for (char32_t rest = code_point; rest != 0 || digits.size() < 4; rest >>= 4)
    digits.insert(digits.begin(), hex_digits[rest & 0xF]);
  return "U+" + digits;
}

}  // namespace

TypedText windows_1252_codes_of_utf8(std::string_view text) {
  TypedText typed;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::optional<Decoded> decoded = decode_one(text.substr(at));
    if (!decoded) {
      typed.problem = "the text is not UTF-8 (at byte " + std::to_string(at + 1) + ")";
      return typed;
    }
    const std::optional<unsigned char> code = windows_1252_code(decoded->code_point);
    if (!code) {
      typed.problem = code_point_name(decoded->code_point) + " has no Windows-1252 code";
      return typed;
    }
    typed.codes.push_back(static_cast<char>(*code));
    at += decoded->length;
  }
  return typed;
}

std::string windows_1252_of_typed_utf8(std::string_view text) {
  constexpr char no_code = '?';
  std::string codes;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::optional<Decoded> decoded = decode_one(text.substr(at));
    if (!decoded) {
      ++at;
      continue;
    }
    codes.push_back(static_cast<char>(windows_1252_code(decoded->code_point).value_or(no_code)));
    at += decoded->length;
  }
  return codes;
}

}  // namespace platform
