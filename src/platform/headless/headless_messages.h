#pragma once
// The headless backend's input: the lines of a checked script, delivered by the program's
// message wait (messages/message_wait.h) one line per wake, on the virtual clock.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/headless/headless_script.h"

namespace platform::headless {

// Writes the screen as it is now under the shot line's name; called while the program waits.
using ShotWriter = std::function<void(const std::string& name)>;

// The program waits for input again after the script has ended and the close request that
// follows it was delivered: it did not end. Thrown out of the wait, since waiting on would
// never end.
class ProgramOutlivedScript : public std::runtime_error {
 public:
  ProgramOutlivedScript();
};

// The wait delivers these lines from the first, then one close request, then throws
// ProgramOutlivedScript. Replaces whatever script was being delivered.
void start_script(std::vector<ScriptLine> lines, ShotWriter write_shot);

}  // namespace platform::headless
