#pragma once
// The one wait of the program's message pump: sleep until the mouse device has new data or a
// message can be taken. Nothing polls; the backend supplies the wait.
#include "platform/input/mouse_device.h"

namespace platform {

enum class WaitWake {
  // The mouse event was signalled; the wait has taken (reset) it.
  mouse_event,
  // peek_message will give a message: one was posted, or a timer tick is due.
  message,
};

// Returns at once when the event is already signalled or a message is waiting; the event
// wins when both are. A null event (closed) is not waited for.
WaitWake wait_for_mouse_event_or_message(MouseEvent* event);

}  // namespace platform
