#include "shell/startup.h"

#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/display/display.h"
#include "platform/display/surfaces.h"
#include "platform/messages/window_messages.h"
#include "sound/sound_channels.h"

// Kept quirk "Start-up error texts as written": byte for byte, "800/600" and "initalisiert".
const char* const startup_error_texts[9] = {
    "0 Kein Fehler aufgetreten",
    "1 Kann kein Windows-Fenster \366ffnen",
    "2 DIREKTX-OBJEKT kann nicht erstellt werden",
    "3 FULLSCREENMODE kann nicht erstellt werden",
    "4 Videomodus 800/600 32 Bit kann nicht aufgerufen werden",
    "5 Zuwenig Ram-Speicher auf der VGA-KARTE (min. 16 MB)",
    "6 Backbuffer kann nicht initalisiert werden",
    "7 Zuwenig freier Hauptspeicher (min. 128 MB)",
    "MAUSINIT FEHLER",
};

namespace {

constexpr const char* caption = "ROZEVA";

enum StartupError : std::uint8_t {
  window_failed = 1,
  display_object_failed = 2,
  exclusive_mode_failed = 3,
  display_mode_failed = 4,
  primary_surface_failed = 5,
  back_buffer_failed = 6,
  offscreen_surface_failed = 7,
  mouse_init_failed = 8,
};

bool fail(StartupError error) {
  screen.startup_error = error;
  shutdown();
  platform::message_box(caption, startup_error_texts[screen.startup_error]);
  platform::destroy_window(screen.main_window);
  shutdown();  // what the window's destruction runs; it finds nothing left
  return false;
}

bool create_offscreen(platform::Surface*& slot) {
  slot = platform::create_offscreen_surface(platform::screen_width, platform::screen_height);
  if (!slot) return false;
  platform::set_color_key_black(slot);
  return true;
}

void replace_font(const Font*& slot, platform::FontId id) {
  delete_font(slot);
  slot = create_font(id);
}

}  // namespace

bool startup() {
  screen.startup_error = 0;
  screen.main_window = platform::create_window();
  if (!screen.main_window) {
    screen.startup_error = window_failed;
    return false;
  }
  // The mouse exists before the window is shown, so the activation already acquires it.
  if (mouse_init(screen.main_window) == 0) return fail(mouse_init_failed);
  platform::show_window(screen.main_window);

  screen.ddraw = platform::create_display_object();
  if (!screen.ddraw) return fail(display_object_failed);
  if (!platform::set_exclusive_mode(screen.main_window)) return fail(exclusive_mode_failed);
  if (!platform::set_display_mode(platform::screen_width, platform::screen_height, platform::mode_bits_32)) {
    screen.startup_error = display_mode_failed;
    if (!platform::set_display_mode(platform::screen_width, platform::screen_height, platform::mode_bits_16))
      return fail(display_mode_failed);
  }
  screen.primary_surface = platform::create_primary_surface();
  if (!screen.primary_surface) return fail(primary_surface_failed);
  screen.back_buffer = platform::get_back_buffer(screen.primary_surface);
  if (!screen.back_buffer) return fail(back_buffer_failed);
  for (platform::Surface** slot : {&screen.interface_atlas, &screen.page_surface, &screen.blink_frame_0,
                                   &screen.blink_frame_1})
    if (!create_offscreen(*slot)) return fail(offscreen_surface_failed);

  if (!screen.system_font) screen.system_font = stock_system_font();
  replace_font(screen.font_small, platform::FontId::font_small);
  replace_font(screen.font_medium, platform::FontId::font_medium);
  replace_font(screen.font_large, platform::FontId::font_large);
  return true;
}

void shutdown() {
  sound_shutdown();
  mouse_release();
  if (screen.ddraw) {
    platform::release_surface(screen.primary_surface);
    screen.back_buffer = nullptr;  // went with the primary
    platform::release_surface(screen.interface_atlas);
    platform::release_surface(screen.page_surface);
    platform::release_surface(screen.blink_frame_0);
    platform::release_surface(screen.blink_frame_1);
    platform::release_display_object(screen.ddraw);
  }
  delete_font(screen.system_font);
  delete_font(screen.font_small);
  delete_font(screen.font_medium);
  delete_font(screen.font_large);
}
