#include "proof/sheet_facts.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "check/names.h"
#include "check/utf8_text.h"
#include "shell/box_blink.h"

namespace proof {

namespace {

using check::displayable;

}  // namespace

BookFacts book_facts() {
  BookFacts book;
  book.title_line1 = displayable(config.title_line1);
  book.title_line2 = displayable(config.title_line2);
  book.book_file = displayable(config.book_file_name);
  book.picture_prefix = displayable(config.picture_prefix);
  book.box_picture_prefix = displayable(config.box_picture_prefix);
  book.sound_prefix = displayable(config.sound_prefix);
  book.page_count = pages.page_count;
  book.title_music = config.title_music;
  if (config.title_music > 0) book.title_music_file = displayable(check::sound_file(config.title_music));
  return book;
}

std::vector<PageFacts> page_facts() {
  std::vector<PageFacts> all;
  for (std::int32_t page = 1; page <= pages.page_count; ++page) {
    const int p = page_index(page);
    PageFacts f;
    f.page = page;
    f.picture = pages.picture[p];
    if (f.picture > 0) f.picture_file = displayable(check::picture_file(f.picture));
    const std::int32_t numbers[] = {pages.box1[p], pages.box2[p], pages.box3[p]};
    const std::int32_t xs[] = {pages.box1_x[p], pages.box2_x[p], pages.box3_x[p]};
    const std::int32_t ys[] = {pages.box1_y[p], pages.box2_y[p], pages.box3_y[p]};
    f.mark = pages.mark[p];
    for (int slot = 1; slot <= 3; ++slot) {
      const std::int32_t number = numbers[slot - 1];
      if (number <= 0) continue;
      BoxFacts box{slot, number, xs[slot - 1], ys[slot - 1], displayable(check::box_picture_file(number)), false, ""};
      box.blinks = mark_blinks_box(f.mark, slot, numbers[1], numbers[2]);
      if (box.blinks) box.highlighted_file = displayable(check::box_picture_file(std::int64_t{number} + 1));
      f.boxes.push_back(box);
    }
    f.level = pages.level[p];
    f.wave = pages.wave[p];
    if (f.wave > 0) f.wave_file = displayable(check::sound_file(f.wave));
    f.back_sound = pages.back_sound[p];
    if (f.back_sound > 0) f.back_sound_file = displayable(check::sound_file(f.back_sound));
    f.text_page = pages.text_file[p];
    if (f.text_page > 0) f.text_file = displayable(check::text_file(f.text_page));
    f.back_transition = pages.back_transition[p];
    f.forward_transition = pages.forward_transition[p];
    all.push_back(std::move(f));
  }
  return all;
}

}  // namespace proof
