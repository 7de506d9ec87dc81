#pragma once
// The character set of every text the program draws.
#include <optional>

namespace platform {

// The Unicode character a Windows-1252 byte stands for; none for the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::optional<char32_t> windows_1252_to_unicode(unsigned char byte);

}  // namespace platform
