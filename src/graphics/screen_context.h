#pragma once
// The screen context: the window, the display object, the six surfaces and the four fonts,
// and the picture each load target holds. Start-up fills it, shutdown empties it; an empty
// slot is null.
#include <cstdint>

#include "platform/display/display.h"
#include "platform/display/surface.h"
#include "platform/text/text_output.h"

// A font the program created. The slots point at these; a deleted font is a null slot.
struct Font {
  platform::FontId id;
};

// Load targets: 0 the interface atlas, 1 the page surface.
inline constexpr int load_target_count = 2;

struct ScreenContext {
  platform::Window* main_window = nullptr;
  platform::DisplayObject* ddraw = nullptr;
  platform::Surface* primary_surface = nullptr;
  platform::Surface* back_buffer = nullptr;
  platform::Surface* interface_atlas = nullptr;
  platform::Surface* page_surface = nullptr;
  platform::Surface* blink_frame_0 = nullptr;
  platform::Surface* blink_frame_1 = nullptr;
  const Font* system_font = nullptr;
  const Font* font_small = nullptr;
  const Font* font_medium = nullptr;
  const Font* font_large = nullptr;
  std::uint8_t startup_error = 0;
  // The picture number each load target holds, 0 = none. Mended fault "The remembered
  // picture": the whole number, so picture 65537 is never taken for picture 1.
  std::int32_t loaded_picture[load_target_count] = {};
};

extern ScreenContext screen;

// The fonts a creation hands out.
const Font* stock_system_font();
const Font* create_font(platform::FontId id);
// Deletes the font in the slot and clears the slot.
void delete_font(const Font*& slot);
