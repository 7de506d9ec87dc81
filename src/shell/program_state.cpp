#include "shell/program_state.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "graphics/picture_files.h"
#include "input/mouse.h"
#include "platform/messages/window_messages.h"
#include "screens/blink_state.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "shell/window_procedure.h"
#include "sound/sound_state.h"

void reset_program_state() {
  reset_page_table();
  reset_configuration();
  reset_editor_state();
  reset_mouse_state();
  reset_blink_state();
  reset_sound_state();
  forget_loaded_pictures();
  nav_bar = NavBar{};
  keys_enabled = 0;
  platform::reset_messages();
}
