#pragma once
// The program: start-up, the title screen, and the loop that turns mouse presses into page
// turns, reader-menu actions and editor actions until the program ends.
#include <cstdint>

// Returns the exit code: 0 after a failed start-up and after a normal end.
int WinMain();

// The navigation-bar button under the cursor, 1..4, or 0 (the bar's border lines included).
std::int32_t nav_bar_hit();
