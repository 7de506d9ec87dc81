#include "screens/page_editing.h"

#include <initializer_list>

#include "book/book_file.h"
#include "book/page_table.h"
#include "screens/edit_modes.h"
#include "screens/editor_prompt.h"
#include "screens/editor_state/editor_state.h"
#include "screens/page_display.h"
#include "sound/sound_playback.h"

namespace {

// The seventeen saved arrays move together; the played flags stay with their entries.
void copy_entry(int from, int to) {
  pages.picture[to] = pages.picture[from];
  pages.box1[to] = pages.box1[from];
  pages.box2[to] = pages.box2[from];
  pages.box3[to] = pages.box3[from];
  pages.box1_x[to] = pages.box1_x[from];
  pages.box1_y[to] = pages.box1_y[from];
  pages.box2_x[to] = pages.box2_x[from];
  pages.box2_y[to] = pages.box2_y[from];
  pages.box3_x[to] = pages.box3_x[from];
  pages.box3_y[to] = pages.box3_y[from];
  pages.wave[to] = pages.wave[from];
  pages.level[to] = pages.level[from];
  pages.back_sound[to] = pages.back_sound[from];
  pages.mark[to] = pages.mark[from];
  pages.back_transition[to] = pages.back_transition[from];
  pages.forward_transition[to] = pages.forward_transition[from];
  pages.text_file[to] = pages.text_file[from];
}

// A page made by insert: empty but for its picture, which the page that moved up had.
void make_inserted_entry(int i) {
  const std::int32_t picture = pages.picture[i];
  for (std::int32_t* field : {pages.box1, pages.box2, pages.box3, pages.box1_x, pages.box1_y, pages.box2_x,
                              pages.box2_y, pages.box3_x, pages.box3_y, pages.wave, pages.level,
                              pages.back_sound, pages.text_file})
    field[i] = 0;
  pages.mark[i] = 0;
  pages.back_transition[i] = 1;
  pages.forward_transition[i] = 1;
  pages.picture[i] = picture;
}

void forget_typed_numbers() {
  editor.new_picture = 0;
  editor.exchange_picture = 0;
}

std::uint8_t toggled_mark(std::uint8_t mark, std::uint8_t on) { return mark > 0 ? 0 : on; }

void append_page() {
  editor.exchange_picture = 0;
  if (editor.new_picture <= 0) {
    play_effect(refused_action_sound);
    return;
  }
  if (pages.page_count + 1 >= page_capacity) {
    editor.new_picture = 0;
    return;
  }
  ++pages.page_count;
  pages.picture[page_index(pages.page_count)] = editor.new_picture;
  pages.current_page = pages.page_count;
  forget_typed_numbers();
}

void exchange_picture() {
  editor.new_picture = 0;
  if (editor.exchange_picture > 0) {
    pages.picture[page_index(pages.current_page)] = editor.exchange_picture;
    forget_typed_numbers();
  } else {
    play_effect(refused_action_sound);
  }
}

void lower_half_of_button_3(std::uint8_t& mark) {
  if (mark == 4) {
    mark = 2;
    play_effect(editor_button_sound);
  } else if (mark == 2) {
    mark = 4;
    play_effect(editor_button_sound);
  }
}

}  // namespace

void insert_page() {
  if (pages.page_count + 1 < page_capacity) {
    ++pages.page_count;
    // current_page may stand anywhere after a delete; only real entries move.
    const int first = pages.current_page < 0 ? 0 : pages.current_page;
    for (int i = max_page_count; i > first; --i) copy_entry(i - 1, i);
    if (pages.current_page >= 0 && pages.current_page <= max_page_count) make_inserted_entry(pages.current_page);
  }
  forget_typed_numbers();
}

// Kept quirk "Deleting the last page": current_page keeps its number, one above the new
// page_count when the last page went.
void delete_page() {
  const int first = pages.current_page < 0 ? 0 : pages.current_page;
  const int last = pages.page_count < max_page_count ? pages.page_count : max_page_count - 1;
  for (int i = first; i <= last; ++i) copy_entry(i + 1, i);
  --pages.page_count;
  if (pages.page_count < 1) {
    pages.page_count = 1;
    forget_typed_numbers();
  }
}

void carry_out_edit_mode(std::int32_t click_y) {
  const int c = page_index(pages.current_page);
  const std::int32_t mode = editor.edit_mode;
  if (mode >= 1 && mode <= last_toolbar_mode) {
    if (mode > 2) editor.new_picture = 0;
    if (mode < 3) editor.exchange_picture = 0;
  }
  switch (mode) {
    case 1: {
      const int last = page_index(pages.page_count);
      editor.new_picture = pages.picture[last];
      pages.current_page = pages.page_count;
      show_page(pages.current_page, 1, 0);
      break;
    }
    case 2: append_page(); break;
    case 3: editor.exchange_picture = pages.picture[c]; break;
    case 4: exchange_picture(); break;
    case 5:
      forget_typed_numbers();
      play_effect(action_done_sound);
      insert_page();
      break;
    case 6:
      forget_typed_numbers();
      play_effect(action_done_sound);
      delete_page();
      break;
    case 7:
      forget_typed_numbers();
      pages.mark[c] = toggled_mark(pages.mark[c], 1);
      break;
    case 8:
      forget_typed_numbers();
      if (save_book() == 0) editor.transition = 1;
      break;
    case 18:
      if (click_y < 30) pages.mark[c] = toggled_mark(pages.mark[c], 2);
      break;
    case 19:
      if (click_y < 30)
        pages.mark[c] = toggled_mark(pages.mark[c], 3);
      else if (click_y > 30)
        lower_half_of_button_3(pages.mark[c]);
      break;
    default: break;  // 13..15 place boxes from the moment they are chosen
  }
  if (const std::uint8_t prompt = prompt_of_mode(mode)) start_entry(prompt);
}
