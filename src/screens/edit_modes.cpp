#include "screens/edit_modes.h"

#include <cstdio>

#include "book/configuration.h"
#include "book/page_table.h"
#include "screens/editor_state/editor_state.h"

namespace {

// What a line or a prompt refers to: the editor's typed numbers or the current page's values.
enum class Value : std::uint8_t {
  none,
  new_picture,
  exchange_picture,
  picture,
  wave,
  box1,
  level,
  box2,
  box3,
  back_sound,
  text_file,
  mark,
  book_file_name,
};

struct EditMode {
  const char* line;  // the first %d is the mode's number, the rest its values in order
  Value first = Value::none;
  Value second = Value::none;
  std::uint8_t prompt = 0;
};

constexpr EditMode edit_modes[last_edit_mode + 1] = {
    {"EDITMODUS W\304HLEN !"},
    {"EDITMODE %d NEUE BILDNUMMER %d ( F\334R ANH\304NGEN EINGEBEN )", Value::new_picture, Value::none, 1},
    {"EDITMODE %d BILDNUMMER %d ANH\304NGEN !", Value::new_picture},
    {"EDITMODE %d BILDNUMMER %d ( AUSTAUSCHEN ) EINGEBEN", Value::exchange_picture, Value::none, 2},
    {"EDITMODE %d BILD %d GEGEN BILD NUMMER %d AUSTAUSCHEN", Value::picture, Value::exchange_picture},
    {"EDITMODE %d INSERT PLATZ SCHAFFEN"},
    {"EDITMODE %d SEITE L\326SCHEN"},
    {"EDITMODE %d MARKIEREN %2d", Value::mark},
    {"EDITMODE %d SPEICHERN %s", Value::book_file_name},
    {"EDITMODE %d WAVENUMMER EINGEBEN ( %d )", Value::wave, Value::none, 3},
    {"EDITMODE %d BOXNUMMER EINGEBEN ( %d )", Value::box1, Value::none, 10},
    {"EDITMODE %d LEVELNR. EINGEBEN ( %d )", Value::level, Value::none, 11},
    {"EDITMODE %d 2.BOXNUMMER EINGEBEN ( %d )", Value::box2, Value::none, 12},
    {"EDITMODE %d BOX 1 POS. ACHTUNG JEDER KLICK \304NDERT POS."},
    {"EDITMODE %d BOX 2 POS. ACHTUNG JEDER KLICK \304NDERT POS."},
    {"EDITMODE %d BOX 3 POS. ACHTUNG JEDER KLICK \304NDERT POS."},
    {"EDITMODE %d 3.BOXNUMMER EINGEBEN ( %d )", Value::box3, Value::none, 16},
    {"EDITMODE %d BACKSOUND EINGEBEN ( %d )", Value::back_sound, Value::none, 17},
    {"EDITMODE %d MARKIEREN %2d", Value::mark},
    {"EDITMODE %d MARKIEREN %2d", Value::mark},
    {"EDITMODE %d TEXTFILENUMMER", Value::none, Value::none, 20},
};

struct Prompt {
  std::uint8_t number;
  const char* text;
  Value stores;
};

constexpr Prompt prompts[] = {
    {1, "MODUS 1 BILDNUMMER EINGEBEN ( NEUES BILD ANH\304NGEN )", Value::new_picture},
    {2, "MODUS 2 BILDNUMMER EINGEBEN ( BILD AUSTAUSCHEN )", Value::exchange_picture},
    {3, "MODUS 3 WAVENUMMER EINGEBEN ( EINMALSOUND )", Value::wave},
    {10, "MODUS 10 BOXNUMMER EINGEBEN ( AKTUELL )", Value::box1},
    {11, "MODUS 11 LEVELNUMMER EINGEBEN ( AKTUELL )", Value::level},
    {12, "MODUS 12 2. BOXNUMMER EINGEBEN", Value::box2},
    {16, "MODUS 16 3. BOXNUMMER EINGEBEN", Value::box3},
    {17, "MODUS 17 BACKSOUND EINGEBEN", Value::back_sound},
    {20, "MODUS 20 TEXTFILENR. EINGEBEN", Value::text_file},
};

// The number a value names, where it is one number; null for the mark (a byte) and none.
std::int32_t* number_of(Value value) {
  const int c = page_index(pages.current_page);
  switch (value) {
    case Value::new_picture: return &editor.new_picture;
    case Value::exchange_picture: return &editor.exchange_picture;
    case Value::picture: return &pages.picture[c];
    case Value::wave: return &pages.wave[c];
    case Value::box1: return &pages.box1[c];
    case Value::level: return &pages.level[c];
    case Value::box2: return &pages.box2[c];
    case Value::box3: return &pages.box3[c];
    case Value::back_sound: return &pages.back_sound[c];
    case Value::text_file: return &pages.text_file[c];
    default: return nullptr;
  }
}

int shown(Value value) {
  if (value == Value::mark) return pages.mark[page_index(pages.current_page)];
  const std::int32_t* number = number_of(value);
  return number ? *number : 0;
}

const Prompt* find_prompt(std::uint8_t number) {
  for (const Prompt& p : prompts)
    if (p.number == number) return &p;
  return nullptr;
}

}  // namespace

void format_edit_mode_line(char* out, std::size_t size, std::int32_t m) {
  if (m < 0 || m > last_edit_mode) {
    if (size > 0) out[0] = '\0';
    return;
  }
  const EditMode& mode = edit_modes[m];
  if (mode.first == Value::book_file_name)
    std::snprintf(out, size, mode.line, m, config.book_file_name);
  else
    std::snprintf(out, size, mode.line, m, shown(mode.first), shown(mode.second));
}

std::uint8_t prompt_of_mode(std::int32_t m) { return m >= 0 && m <= last_edit_mode ? edit_modes[m].prompt : 0; }

const char* prompt_text(std::uint8_t number) {
  const Prompt* prompt = find_prompt(number);
  return prompt ? prompt->text : "";
}

std::int32_t* prompt_target(std::uint8_t number) {
  const Prompt* prompt = find_prompt(number);
  return prompt ? number_of(prompt->stores) : nullptr;
}
