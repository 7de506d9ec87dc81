#pragma once
// The editor's status texts, Windows-1252 bytes as authors know them.
#include <cstddef>
#include <cstdint>

// The line that names the chosen edit mode (0..20) with the current page's values; an edit
// mode outside 0..20 gives an empty line.
void format_edit_mode_line(char* out, std::size_t size, std::int32_t edit_mode);

// Whether the mode places a box: bars hidden, the line in yellow-green.
inline bool is_box_placement(std::int32_t edit_mode) { return edit_mode >= 13 && edit_mode <= 15; }
