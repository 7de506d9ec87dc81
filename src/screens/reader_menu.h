#pragma once
// The reader menu: a panel over the page with five entries, the volume buttons, three blink
// speeds, the editor switch and the author switch (which shows the transition sliders).
#include <cstdint>

// Where the menu panel and the sliders' left ends are drawn.
inline constexpr std::int32_t menu_panel_x = 100;
inline constexpr std::int32_t menu_panel_y = 100;

// Menu results.
inline constexpr std::int32_t menu_blink_speed_chosen = 0;
inline constexpr std::int32_t menu_quit = 1;
inline constexpr std::int32_t menu_start_page = 2;
inline constexpr std::int32_t menu_last_page = 3;
inline constexpr std::int32_t menu_music = 4;
inline constexpr std::int32_t menu_back_to_book = 5;

// Runs the menu until a result; returns at once (0) when the quit message arrives.
std::int32_t reader_menu();
