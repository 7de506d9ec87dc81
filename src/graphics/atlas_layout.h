#pragma once
// Picture 1, the interface atlas: the program copies its cursor, navigation bar, level strips,
// mark symbol, editor bars and reader menu from these fixed rectangles. Every book's atlas is
// drawn to this layout, so it never changes.
#include <cstdint>

struct AtlasRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

namespace atlas {

inline constexpr AtlasRect cursor{0, 0, 16, 16};
// Scratch area: the program keeps the pixels under the drawn cursor here.
inline constexpr AtlasRect cursor_save_under{0, 40, 16, 16};
// Buttons 2 to 4; button 1 has no face of its own.
inline constexpr AtlasRect nav_bar{40, 0, 174, 58};
inline constexpr std::int32_t level_count = 48;
inline constexpr AtlasRect level_strips{824, 0, 200, 16 * level_count};
// Also the knob of the reader menu's sliders.
inline constexpr AtlasRect mark_symbol{224, 50, 40, 18};
inline constexpr AtlasRect toolbar{0, 600, 800, 49};
inline constexpr AtlasRect side_buttons{0, 649, 200, 49};
inline constexpr AtlasRect status_bar{0, 700, 800, 48};
// The status bar's first 46 rows.
inline constexpr AtlasRect prompt_background{0, 700, 800, 46};
inline constexpr AtlasRect menu_panel{0, 80, 600, 450};
inline constexpr AtlasRect slider_bar{224, 0, 440, 50};
inline constexpr AtlasRect volume_marker{40, 68, 50, 10};

// Strip n (1..level_count) of the level labels.
constexpr AtlasRect level_strip(std::int32_t n) {
  return {level_strips.x, (n - 1) * (level_strips.height / level_count), level_strips.width,
          level_strips.height / level_count};
}

}  // namespace atlas
