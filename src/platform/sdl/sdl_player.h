#pragma once
// What the `rozeva` executable tells the SDL backend before the program starts and asks of it
// after the program has ended. No SDL here: the executable stays above the backend.
namespace platform::sdl {

struct PlayerOptions {
  // A resizable window instead of the whole screen (Alt+Enter switches at any time).
  bool start_in_window = false;
};

void set_player_options(const PlayerOptions& options);

// Whether the program asked for its window and got none: start-up then ends without a
// message box, so the executable says so.
bool window_was_refused();

// Closes whatever the program left open on the display and SDL itself.
void close_player();

}  // namespace platform::sdl
