#pragma once
// Numbered BMP pictures: page pictures and the interface atlas through load targets that
// remember the number they hold, and box pictures drawn straight onto a frame.
#include <cstdint>

#include "graphics/screen_context.h"
#include "platform/display/surface.h"

inline constexpr int picture_name_room = 79;
inline constexpr std::uint32_t load_failed_code = 0x80004005;  // the system's generic failure

enum LoadTarget { target_interface_atlas = 0, target_page_surface = 1 };

// The next load of each target reads its file again.
void forget_loaded_pictures();

// prefix, leading zeros, the number, ".BMP". Kept quirk "Picture-name padding": books rely
// on 991..999 ("acs000991.BMP"). Mended fault "No access outside a buffer": false (and an
// empty name) when the name would exceed 79 characters.
bool build_picture_file_name(const char* prefix, std::int64_t number, char (&name)[picture_name_room + 1]);

// 0 = loaded, 1 = failed (the surface keeps its picture), 255 = the target holds it already.
int load_picture(int target, std::int32_t number);

// 0 on success, else a failure code (load_failed_code when the file cannot be loaded or an
// argument is missing). A picture larger than the screen is stretched onto the whole surface,
// any other is placed 1:1 at the top-left corner.
std::uint32_t copy_bitmap_to_surface(platform::Surface* surface, const char* name);

// The whole bitmap 1:1 with its top-left corner at (x, y), whatever its size.
std::uint32_t blit_bitmap_file(platform::Surface* surface, const char* name, std::int32_t x, std::int32_t y);

// Box picture `number` onto the back buffer, and (highlight) onto blink frame 1.
void draw_box_picture(std::int64_t number, std::int32_t x, std::int32_t y);
void draw_box_highlight(std::int64_t number, std::int32_t x, std::int32_t y);
