#pragma once
// The message boxes the program has shown on the headless backend, oldest first.
#include <string>
#include <vector>

#include "platform/headless/headless_display.h"

namespace platform::headless {

struct MessageBoxEntry {
  // Windows-1252 bytes, as the program passed them.
  std::string caption;
  std::string text;
  // The display as it was while the box was up.
  DisplayRecord display;
};

const std::vector<MessageBoxEntry>& message_boxes();
void clear_message_boxes();

}  // namespace platform::headless
