#pragma once
// What a backend needs from the message queue besides the program's operations: it creates
// and destroys the windows, decides where input goes and waits for messages.
#include "platform/display/display.h"

namespace platform {

// Called by the backend's create_window for the new window, before it returns.
void notify_window_created(Window* window);

// Called by the backend's destroy_window before the window goes: sends WM_DESTROY to the
// window procedure, then forgets the window, its messages still queued and its timers.
// Does nothing for a window that is not live (or is already being destroyed).
void notify_window_destroyed(Window* window);

// The window input goes to: the newest live window; null when there is none.
Window* input_window();

// True when peek_message would give a message now: one posted, the quit message, or a timer
// tick due by now_ms().
bool message_waiting();

}  // namespace platform
