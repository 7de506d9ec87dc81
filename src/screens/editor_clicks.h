#pragma once
// The editor's handling of a left click: closing a prompt, placing a box, and the toolbar and
// side buttons with their choose-then-carry-out rule.
#include <cstdint>

enum class EditorClick {
  redraw,     // the page is to be redrawn with the current view and transition
  wait,       // done; wait for the next click
  not_taken,  // no editor area took it: the reader's rules handle it
};

// The edit mode of the button under (x, y), or 0 for none (the gaps between side buttons).
std::int32_t editor_button_at(std::int32_t x, std::int32_t y);

EditorClick editor_left_click(std::int32_t x, std::int32_t y);
