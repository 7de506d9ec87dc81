#include "screens/editor_prompt.h"

#include <cstdio>
#include <cstring>

#include "book/decimal.h"
#include "book/page_table.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "graphics/text_output.h"
#include "platform/display/surfaces.h"
#include "screens/edit_modes.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "sound/sound_playback.h"

namespace {

bool accepted_character(std::uint8_t c) {
  return (c >= 65 && c <= 122) || (c >= '0' && c <= '9') || c == 196 || c == 214 || c == 220 || c == 228 ||
         c == 246 || c == 252;
}

void cancel() {
  editor.prompt_mode = 0;
  editor.new_picture = 0;
  editor.exchange_picture = 0;
  show_page(pages.current_page, 1, 0);
}

void draw_prompt(std::uint8_t number) {
  copy_from_atlas(atlas::prompt_background, screen.primary_surface, 0, 56);
  DeviceContext dc;
  if (get_dc(screen.primary_surface, dc)) {
    set_bk_mode_transparent(dc);
    const char* text = prompt_text(number);
    if (text[0] != '\0') {
      select_font(dc, screen.system_font);
      set_text_color(dc, 200, 100, 100);
      text_out(dc, 20, 58, text);
    }
    char entry[entry_text_size + 2];
    std::snprintf(entry, sizeof entry, "%s_", editor.entry_text);
    select_font(dc, screen.font_large);
    set_text_color(dc, 255, 255, 255);
    text_out(dc, 20, 68, entry);
    release_dc(dc);
  }
  platform::present_primary();
}

}  // namespace

void prompt_key(std::uint8_t c, std::uint8_t prompt) {
  std::size_t length = std::strlen(editor.entry_text);
  switch (c) {
    case 8:
      if (length > 0) editor.entry_text[--length] = '\0';
      c = 0;
      break;
    case 9:
      editor.entry_text[0] = '\0';
      length = 0;
      c = 0;
      break;
    case 13:
      if (length == 0) {
        cancel();
        return;
      }
      editor.prompt_mode = 0;
      if (std::int32_t* target = prompt_target(prompt)) *target = decimal_to_int32(editor.entry_text);
      show_page(pages.current_page, 1, 0);
      return;
    case 27: cancel(); return;
    case 32:
      if (length < 2) c = 0;
      break;
    default:
      if (!accepted_character(c)) c = 0;
  }
  // The buffer never holds more than the limit, whatever the limit says.
  const std::size_t limit = editor.entry_limit < entry_text_size - 1 ? editor.entry_limit : entry_text_size - 1;
  if (length >= limit) return;
  if (c != 0) {
    editor.entry_text[length] = static_cast<char>(c);
    editor.entry_text[length + 1] = '\0';
  }
  draw_prompt(prompt);
}

void start_entry(std::uint8_t prompt) {
  play_effect(action_done_sound);
  const std::int32_t* value = prompt_target(prompt);
  std::snprintf(editor.entry_text, entry_text_size, "%d", value ? *value : 0);
  editor.prompt_mode = prompt;
  prompt_key(0, prompt);
}
