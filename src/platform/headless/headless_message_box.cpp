#include "platform/headless/headless_message_box.h"

#include <cstdio>

#include "platform/display/display.h"
#include "platform/text/windows_1252.h"

namespace platform {

namespace {

std::vector<headless::MessageBoxEntry> shown;

}  // namespace

namespace headless {

const std::vector<MessageBoxEntry>& message_boxes() { return shown; }

void clear_message_boxes() { shown.clear(); }

}  // namespace headless

void message_box(const std::string& caption, const std::string& text) {
  shown.push_back({caption, text, headless::display_record()});
  std::fprintf(stderr, "[%s] %s\n", utf8_of_windows_1252(caption).c_str(),
               utf8_of_windows_1252(text).c_str());
}

}  // namespace platform
