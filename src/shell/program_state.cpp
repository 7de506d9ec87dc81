#include "shell/program_state.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "graphics/screen_context.h"
#include "input/mouse.h"
#include "platform/messages/window_messages.h"
#include "screens/blink_state.h"
#include "screens/editor_state/editor_state.h"
#include "shell/startup.h"
#include "sound/sound_state.h"

void reset_program_state() {
  shutdown();
  // The slot of a window closed by the default procedure still holds it: only a live one goes.
  if (platform::is_live_window(screen.main_window)) platform::destroy_window(screen.main_window);
  platform::reset_messages();
  reset_page_table();
  reset_configuration();
  reset_editor_state();
  reset_mouse_state();
  mouse_objects = MouseObjects{};
  reset_blink_state();
  reset_sound_state();
  reset_text_page();
  screen = ScreenContext{};
}
