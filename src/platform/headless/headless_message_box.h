#pragma once
// The message boxes the program has shown on the headless backend, oldest first.
#include <string>
#include <vector>

namespace platform::headless {

struct MessageBoxEntry {
  // Windows-1252 bytes, as the program passed them.
  std::string caption;
  std::string text;
};

const std::vector<MessageBoxEntry>& message_boxes();
void clear_message_boxes();

}  // namespace platform::headless
