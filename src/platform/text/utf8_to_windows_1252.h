#pragma once
// Text that arrives as UTF-8 (a script's `type` line, a desktop's typed text), turned into the
// Windows-1252 codes the program's texts use.
#include <string>
#include <string_view>

namespace platform {

struct TypedText {
  // One Windows-1252 code per character of the text.
  std::string codes;
  // Empty when the whole text was taken; else why not (bad UTF-8, a character without code).
  std::string problem;
};

TypedText windows_1252_codes_of_utf8(std::string_view text);

// What a keyboard types: a character without a Windows-1252 code arrives as '?', as a
// Windows program's character messages had it; bytes that are not UTF-8 are left out.
std::string windows_1252_of_typed_utf8(std::string_view text);

}  // namespace platform
