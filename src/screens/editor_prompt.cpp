#include "screens/editor_prompt.h"

#include <cstdio>
#include <cstring>

#include "book/decimal.h"
#include "book/page_table.h"
#include "graphics/rect_copy.h"
#include "graphics/screen_context.h"
#include "graphics/text_output.h"
#include "platform/display/surfaces.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "sound/sound_playback.h"

namespace {

struct Prompt {
  std::uint8_t number;
  const char* text;
};

// Texts as authors know them (Windows-1252).
constexpr Prompt prompts[] = {
    {1, "MODUS 1 BILDNUMMER EINGEBEN ( NEUES BILD ANH\304NGEN )"},
    {2, "MODUS 2 BILDNUMMER EINGEBEN ( BILD AUSTAUSCHEN )"},
    {3, "MODUS 3 WAVENUMMER EINGEBEN ( EINMALSOUND )"},
    {10, "MODUS 10 BOXNUMMER EINGEBEN ( AKTUELL )"},
    {11, "MODUS 11 LEVELNUMMER EINGEBEN ( AKTUELL )"},
    {12, "MODUS 12 2. BOXNUMMER EINGEBEN"},
    {16, "MODUS 16 3. BOXNUMMER EINGEBEN"},
    {17, "MODUS 17 BACKSOUND EINGEBEN"},
    {20, "MODUS 20 TEXTFILENR. EINGEBEN"},
};

const char* prompt_text(std::uint8_t number) {
  for (const Prompt& p : prompts)
    if (p.number == number) return p.text;
  return "";
}

// Where Enter stores the number of each prompt; null for a prompt that has no target.
std::int32_t* entry_target(std::uint8_t number) {
  const int c = page_index(pages.current_page);
  switch (number) {
    case 1: return &editor.new_picture;
    case 2: return &editor.exchange_picture;
    case 3: return &pages.wave[c];
    case 10: return &pages.box1[c];
    case 11: return &pages.level[c];
    case 12: return &pages.box2[c];
    case 16: return &pages.box3[c];
    case 17: return &pages.back_sound[c];
    case 20: return &pages.text_file[c];
    default: return nullptr;
  }
}

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
      if (std::int32_t* target = entry_target(prompt)) *target = decimal_to_int32(editor.entry_text);
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

void start_entry(std::uint8_t prompt, std::int32_t value) {
  play_effect(action_done_sound);
  std::snprintf(editor.entry_text, entry_text_size, "%d", value);
  editor.prompt_mode = prompt;
  prompt_key(0, prompt);
}
