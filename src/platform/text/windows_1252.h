#pragma once
// The character set of every text the program draws.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The Unicode character a Windows-1252 byte stands for; none for the five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
std::optional<char32_t> windows_1252_to_unicode(unsigned char byte);

// The bytes as UTF-8, for a terminal or a desktop's dialogs; an undefined byte becomes U+FFFD.
std::string utf8_of_windows_1252(std::string_view bytes);

}  // namespace platform
