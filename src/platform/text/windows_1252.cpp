#include "platform/text/windows_1252.h"

#include <array>

namespace platform {

namespace {

constexpr char32_t undefined = 0;

// 0x80..0x9F; every other byte is its own Latin-1 code point.
constexpr std::array<char32_t, 32> high_bytes = {
    0x20AC,    undefined, 0x201A, 0x0192, 0x201E, 0x2026,    0x2020, 0x2021,
    0x02C6,    0x2030,    0x0160, 0x2039, 0x0152, undefined, 0x017D, undefined,
    undefined, 0x2018,    0x2019, 0x201C, 0x201D, 0x2022,    0x2013, 0x2014,
    0x02DC,    0x2122,    0x0161, 0x203A, 0x0153, undefined, 0x017E, 0x0178,
};

}  // namespace

std::optional<char32_t> windows_1252_to_unicode(unsigned char byte) {
  if (byte < 0x80 || byte >= 0xA0) return byte;
  const char32_t c = high_bytes[byte - 0x80];
  if (c == undefined) return std::nullopt;
  return c;
}

}  // namespace platform
