#include "check/book_items.h"

#include <vector>

#include "book/configuration.h"
#include "book/page_table.h"
#include "check/names.h"
#include "check/utf8_text.h"
#include "platform/files/whole_file.h"

namespace check {

namespace {

constexpr char configuration_file[] = "lurinf.bin";

void check_configuration_text(Checking& c) {
  const auto path = find_reference(c, {Place::book(), configuration_file, configuration_file, ""}, Medium::none);
  const auto file = path ? platform::WholeFile::read(*path) : std::nullopt;
  if (!file) return;
  const Utf8Text utf8 = find_utf8_text(file->bytes());
  if (!utf8.found) return;
  c.findings.add(Place::book(), Severity::warning, "utf8-text", "lurinf.bin line " + std::to_string(utf8.line),
                 configuration_file,
                 "lurinf.bin is saved as UTF-8, so \"" + utf8.word + "\" shows as \"" + utf8.shown_as +
                     "\"; save it as Windows-1252 (iconv -f UTF-8 -t WINDOWS-1252)");
}

void check_book_file(Checking& c, bool read, const BookFileFacts& facts) {
  const Reference ref{Place::book(), "book file", config.book_file_name,
                      "the player starts with one empty page and no picture"};
  find_reference(c, ref, Medium::none);
  if (!read) return;
  if (facts.file_size < static_cast<std::size_t>(book_file_size))
    c.findings.add(Place::book(), Severity::warning, "book-file-short", "book file", config.book_file_name,
                   std::string(config.book_file_name) + " holds " + std::to_string(facts.file_size) + " of its " +
                       std::to_string(book_file_size) +
                       " bytes: it was cut short, and what it lacks reads as empty pages' values");
  if (facts.stored_page_count < 1 || facts.stored_page_count > max_page_count)
    c.findings.add(Place::book(), Severity::warning, "page-count-out-of-range", "page count", config.book_file_name,
                   "the book file says " + std::to_string(facts.stored_page_count) + " pages, not 1 to " +
                       std::to_string(max_page_count) + "; the player shows " + std::to_string(pages.page_count));
}

struct BookSound {
  std::int32_t number;
  std::string field;
  std::string if_missing;
  std::string if_refused;
};

std::vector<BookSound> book_sounds() {
  const std::string fewer_channels = "one of the three effect channels stays empty, so fewer effects sound at once";
  std::vector<BookSound> sounds = {
      {1, "sound 1 (loaded at start)", fewer_channels, fewer_channels},
      {2, "sound 2 (loaded at start)", fewer_channels, fewer_channels},
      {3, "sound 3 (loaded at start)", fewer_channels, fewer_channels},
      {4, "sound 4 (editor button chosen)", "choosing an editor button is silent", "choosing an editor button is silent"},
      {5, "sound 5 (editor refuses)", "a refused editor action is silent", "a refused editor action is silent"},
      {6, "sound 6 (editor done)", "finished editor actions and saving are silent",
       "finished editor actions and saving are silent"},
      {7, "sound 7 (page turn)", "turning a page is silent", "turning a page is silent"},
      {100, "sound 100 (music channel at start)", "the music channel starts empty", "the music channel starts empty"},
  };
  if (config.title_music <= 0) return sounds;
  const BookSound title{config.title_music, "title music " + std::to_string(config.title_music),
                        "the book starts without music", "the music is switched on but silent"};
  for (BookSound& sound : sounds)
    if (sound.number == title.number) {
      sound = title;
      return sounds;
    }
  sounds.push_back(title);
  return sounds;
}

}  // namespace

void check_book_items(Checking& c, bool book_file_read, const BookFileFacts& facts) {
  check_configuration_text(c);
  check_book_file(c, book_file_read, facts);
  c.files.look_up(config.backup_file_name);  // F3 writes it: it belongs to the book
  check_picture(c, {Place::book(), "interface picture 1", picture_file(1),
                    "the buttons, the menus and the pointer are not drawn"},
                PictureUse::whole_screen);
  check_picture(c, {Place::book(), "title picture 2", picture_file(2), "the title screen stays black"},
                PictureUse::whole_screen);
  for (const BookSound& sound : book_sounds())
    check_sound(c, {Place::book(), sound.field, sound_file(sound.number), sound.if_missing}, sound.if_refused);
}

}  // namespace check
