#include "platform/text/windows_1252.h"

#include <array>

namespace platform {

namespace {

constexpr char32_t undefined = 0;
constexpr char32_t replacement_character = 0xFFFD;

// 0x80..0x9F; every other byte is its own Latin-1 code point.
constexpr std::array<char32_t, 32> high_bytes = {
    0x20AC,    undefined, 0x201A, 0x0192, 0x201E, 0x2026,    0x2020, 0x2021,
    0x02C6,    0x2030,    0x0160, 0x2039, 0x0152, undefined, 0x017D, undefined,
    undefined, 0x2018,    0x2019, 0x201C, 0x201D, 0x2022,    0x2013, 0x2014,
    0x02DC,    0x2122,    0x0161, 0x203A, 0x0153, undefined, 0x017E, 0x0178,
};

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::optional<char32_t> windows_1252_to_unicode(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t c = high_bytes[byte - 0x80];
  if (c == undefined) return std::nullopt;
  return c;
}

std::string utf8_of_windows_1252(std::string_view bytes) {
  std::string out;
  for (const char byte : bytes)
    append_utf8(out, windows_1252_to_unicode(static_cast<unsigned char>(byte)).value_or(replacement_character));
  return out;
}

}  // namespace platform
