#include "platform/headless/headless_message_box.h"

#include <cstdio>

#include "platform/display/display.h"
#include "platform/text/windows_1252.h"

namespace platform {

namespace {

std::vector<headless::MessageBoxEntry> shown;

constexpr char32_t replacement_character = 0xFFFD;

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

// stderr is read on a UTF-8 terminal; the recorded bytes stay as they were.
std::string utf8_from_cp1252(const std::string& bytes) {
  std::string out;
  for (const char ch : bytes) {
    const char32_t c =
        windows_1252_to_unicode(static_cast<unsigned char>(ch)).value_or(replacement_character);
    append_utf8(out, c);
  }
  return out;
}

}  // namespace

namespace headless {

const std::vector<MessageBoxEntry>& message_boxes() { return shown; }

void clear_message_boxes() { shown.clear(); }

}  // namespace headless

void message_box(const std::string& caption, const std::string& text) {
  shown.push_back({caption, text, headless::display_record()});
  std::fprintf(stderr, "[%s] %s\n", utf8_from_cp1252(caption).c_str(),
               utf8_from_cp1252(text).c_str());
}

}  // namespace platform
