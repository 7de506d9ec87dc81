#pragma once
// The editor's edit modes in one table: the status line each shows, the prompt it opens and
// where that prompt stores its number. Texts are Windows-1252 bytes as authors know them.
#include <cstddef>
#include <cstdint>

// Toolbar buttons choose modes 1..16, the side buttons 17..20.
inline constexpr std::int32_t last_toolbar_mode = 16;
inline constexpr std::int32_t last_edit_mode = 20;

// Modes 13..15 place box 1..3: the bars are hidden, the mode line is yellow-green, and every
// left click and arrow key moves the box.
inline bool is_box_placement(std::int32_t edit_mode) { return edit_mode >= 13 && edit_mode <= 15; }
// The box (1..3) a placement mode moves.
inline int placed_box(std::int32_t edit_mode) { return edit_mode - 12; }

// The line that names the chosen edit mode (0..20) with the current page's values; an edit
// mode outside 0..20 gives an empty line.
void format_edit_mode_line(char* out, std::size_t size, std::int32_t edit_mode);

// The prompt a mode opens when it is carried out; 0 for none.
std::uint8_t prompt_of_mode(std::int32_t edit_mode);
// A prompt's question; empty for a number no mode opens.
const char* prompt_text(std::uint8_t prompt);
// The number a prompt opens with and where Enter stores it; null for a number no mode opens.
std::int32_t* prompt_target(std::uint8_t prompt);
