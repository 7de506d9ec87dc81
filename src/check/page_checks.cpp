#include "check/page_checks.h"

#include <array>

#include "book/page_table.h"
#include "check/names.h"
#include "check/text_page_checks.h"
#include "graphics/atlas_layout.h"
#include "platform/display/surface.h"
#include "shell/box_blink.h"

namespace check {

namespace {

constexpr int box_count = 3;
constexpr std::int32_t largest_transition = 8;

struct Box {
  int slot;
  std::int32_t number;
  std::int32_t x;
  std::int32_t y;
};

std::array<Box, box_count> boxes_of(int p) {
  return {{{1, pages.box1[p], pages.box1_x[p], pages.box1_y[p]},
           {2, pages.box2[p], pages.box2_x[p], pages.box2_y[p]},
           {3, pages.box3[p], pages.box3_x[p], pages.box3_y[p]}}};
}

std::string number_text(std::int64_t n) { return std::to_string(n); }

void check_page_picture(Checking& c, Place place, int p) {
  const std::int32_t picture = pages.picture[p];
  if (picture <= 0) {
    c.findings.add(place, Severity::warning, "no-picture", "picture " + number_text(picture), "",
                   "the page has no picture: it shows the picture before it, with \"NOCH KEIN BILD !\"");
    return;
  }
  check_picture(c, {place, "picture " + number_text(picture), picture_file(picture), "the page shows the picture before it"},
                PictureUse::whole_screen);
}

void check_off_screen(Checking& c, Place place, const Box& box, const PictureFacts& facts) {
  const std::int64_t left = box.x, top = box.y;
  const bool off = left >= platform::screen_width || top >= platform::screen_height || left + facts.width <= 0 ||
                   top + facts.height <= 0;
  if (!off) return;
  c.findings.add(place, Severity::warning, "box-off-screen", "box " + number_text(box.slot) + " position", "",
                 "box " + number_text(box.slot) + " (" + number_text(facts.width) + " x " + number_text(facts.height) +
                     ") at " + number_text(box.x) + ", " + number_text(box.y) +
                     " lies wholly off the 1024 x 768 screen and is never seen");
}

void check_boxes(Checking& c, Place place, int p) {
  const auto boxes = boxes_of(p);
  for (const Box& box : boxes) {
    if (box.number <= 0) continue;
    const std::string name = "box " + number_text(box.slot);
    const auto facts = check_picture(
        c, {place, name + " picture " + number_text(box.number), box_picture_file(box.number), "the box is not drawn"},
        PictureUse::box);
    if (facts) check_off_screen(c, place, box, *facts);
    // Counted without wrapping: box 2147483647 looks for picture 2147483648.
    const std::int64_t highlighted = std::int64_t{box.number} + 1;
    if (mark_blinks_box(pages.mark[p], box.slot, boxes[1].number, boxes[2].number))
      check_picture(c, {place, name + " highlighted picture " + number_text(highlighted), box_picture_file(highlighted),
                        "the box does not blink"},
                    PictureUse::box);
    else
      c.files.look_up(box_picture_file(highlighted));  // ready for a mark: not an unused file
  }
}

void check_mark(Checking& c, Place place, int p) {
  const std::int32_t mark = pages.mark[p];
  if (mark == 0) return;
  const auto boxes = boxes_of(p);
  const std::string field = "mark " + number_text(mark);
  if (mark > largest_mark) {
    c.findings.add(place, Severity::warning, "mark-unknown", field, "", "a mark is 1 to 4; with this one nothing blinks");
    return;
  }
  std::string missing;
  if (mark <= box_count && boxes[static_cast<std::size_t>(mark - 1)].number <= 0)
    missing = "box " + number_text(mark);
  if (mark == largest_mark && boxes[1].number <= 0) missing = "box 2";
  if (mark == largest_mark && boxes[2].number <= 0) missing += missing.empty() ? "box 3" : " and box 3";
  if (missing.empty()) return;
  const std::string blinking = mark == largest_mark ? "boxes 2 and 3" : "box " + number_text(mark);
  c.findings.add(place, Severity::warning, "mark-without-box", field, "",
                 "the mark makes " + blinking + " blink, but the page has no " + missing + ": nothing blinks");
}

void check_values(Checking& c, Place place, int p) {
  if (pages.level[p] > atlas::level_count)
    c.findings.add(place, Severity::warning, "level-above-48", "level " + number_text(pages.level[p]), "",
                   "levels go up to 48; the page shows the label of level 48");
  check_mark(c, place, p);
  const struct {
    const char* field;
    std::int32_t value;
    const char* leaving;
  } transitions[] = {{"back transition", pages.back_transition[p], "backwards"},
                     {"forward transition", pages.forward_transition[p], "forwards"}};
  for (const auto& t : transitions)
    if (t.value < 0 || t.value > largest_transition)
      c.findings.add(place, Severity::warning, "transition-out-of-range",
                     std::string(t.field) + " " + number_text(t.value), "",
                     std::string("transitions are 0 to 8; leaving the page ") + t.leaving +
                         " shows the next one at once, without a wipe");
}

void check_sounds(Checking& c, Place place, int p) {
  if (const std::int32_t wave = pages.wave[p]; wave > 0)
    check_sound(c, {place, "wave " + number_text(wave), sound_file(wave), "the page is silent"}, "the page is silent");
  if (const std::int32_t back = pages.back_sound[p]; back > 0)
    check_sound(c, {place, "back sound " + number_text(back), sound_file(back), "the music goes on unchanged"},
                "the music stops on this page");
}

}  // namespace

void check_page(Checking& c, std::int32_t page) {
  const Place place = Place::page_number(page);
  const int p = page_index(page);
  check_page_picture(c, place, p);
  check_boxes(c, place, p);
  check_values(c, place, p);
  check_sounds(c, place, p);
  if (pages.text_file[p] > 0) check_text_page(c, place, pages.text_file[p]);
}

}  // namespace check
