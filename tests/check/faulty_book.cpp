#include "faulty_book.h"

#include <memory>

#include "book/book_file.h"
#include "book/page_table.h"
#include "book_folder.h"
#include "support/bmp_writer.h"
#include "support/text_page_file.h"
#include "support/wav_writer.h"

namespace check_test {

namespace {

using check::Place;
using check::Severity;
using reader_test::BookFolder;

constexpr std::int32_t clean_picture = 3;
constexpr std::int32_t stored_page_count = 300;  // one more than a book can have
constexpr std::size_t short_book_file = 19000;    // cuts into the text-page numbers of late pages
constexpr std::uint32_t sound_rate = 22050;

std::string wav_16bit_as(std::uint16_t bits) {
  std::string wav = test_support::make_wav({1, 1, sound_rate, 16}, 0.05);
  const std::uint16_t block_align = bits / 8;
  wav[34] = static_cast<char>(bits);
  wav[32] = static_cast<char>(block_align);
  return wav;
}

std::string text_page(const std::vector<std::string>& lines) {
  std::string text = test_support::text_page_header(20, 30, 1, 255, 255, 255);
  for (const std::string& line : lines) text += line + "\n";
  return text + "#\n";
}

}  // namespace

std::vector<PlantedFault> write_faulty_book(const std::filesystem::path& dir) {
  const BookFolder folder(dir);
  std::vector<PlantedFault> faults;
  auto plant = [&faults](Place place, Severity severity, const char* kind, const std::string& field) {
    faults.push_back({place, severity, kind, field});
  };

  // A title line saved by a modern editor.
  folder.write_file("lurinf.bin", "acs\nacb\nbsou\nBOOK.DAT\nEIN BUCH\nM\xC3\x84RCHEN\n0\n");
  plant(Place::book(), Severity::warning, "utf8-text", "lurinf.bin line 6");
  plant(Place::book(), Severity::warning, "book-file-short", "book file");
  plant(Place::book(), Severity::warning, "page-count-out-of-range", "page count");
  folder.write_interface_atlas();
  folder.write_title_picture();
  folder.write_picture(clean_picture);
  for (std::int32_t sound : {1, 2, 3, 4, 5, 6, 100}) folder.write_sound(sound, 50);
  plant(Place::book(), Severity::error, "missing-file", "sound 7 (page turn)");

  auto book = std::make_unique<PageTable>();
  for (int p = 0; p < page_capacity; ++p) {
    book->picture[p] = clean_picture;
    book->back_transition[p] = book->forward_transition[p] = 1;
  }
  int page = 0;
  auto next_page = [&] { return Place::page_number(++page); };

  Place at = next_page();
  book->picture[page] = 40;
  plant(at, Severity::error, "missing-file", "picture 40");

  at = next_page();
  book->picture[page] = 41;
  folder.write_file("acs00041.BMP", "\x89PNG\r\n\x1A\n not really more of a PNG");
  plant(at, Severity::error, "other-format", "picture 41");

  at = next_page();
  book->picture[page] = 42;
  const std::string whole = test_support::make_solid_bmp24(1024, 768, 0x336699);
  folder.write_file("acs00042.BMP", whole.substr(0, whole.size() / 2));
  plant(at, Severity::error, "picture-refused", "picture 42");

  at = next_page();
  book->picture[page] = 43;
  folder.write_file("acs00043.BMP", test_support::make_solid_bmp24(800, 600, 0x669933));
  plant(at, Severity::warning, "picture-size", "picture 43");

  at = next_page();
  book->picture[page] = 0;
  plant(at, Severity::warning, "no-picture", "picture 0");

  at = next_page();
  book->box1[page] = 10;
  book->box1_x[page] = 2000;
  book->box1_y[page] = 100;
  folder.write_box(10, 50, 50);
  plant(at, Severity::warning, "box-off-screen", "box 1 position");

  at = next_page();
  book->mark[page] = 2;
  plant(at, Severity::warning, "mark-without-box", "mark 2");

  at = next_page();
  book->mark[page] = 7;
  plant(at, Severity::warning, "mark-unknown", "mark 7");

  at = next_page();
  book->level[page] = 60;
  plant(at, Severity::warning, "level-above-48", "level 60");

  at = next_page();
  book->forward_transition[page] = 12;
  plant(at, Severity::warning, "transition-out-of-range", "forward transition 12");

  at = next_page();
  book->wave[page] = 301;
  folder.write_file("bsou301.mp3", "ID3\x03 an MP3 sound as a modern tool saves it");
  plant(at, Severity::error, "other-format", "wave 301");

  at = next_page();
  book->wave[page] = 302;
  folder.write_file("bsou302.WAV", wav_16bit_as(24));
  plant(at, Severity::error, "sound-refused", "wave 302");

  at = next_page();
  book->back_sound[page] = 303;
  const std::string sound = test_support::make_wav({1, 1, sound_rate, 8}, 0.1);
  folder.write_file("bsou303.WAV", sound.substr(0, sound.size() - 100));
  plant(at, Severity::warning, "sound-truncated", "back sound 303");

  at = next_page();
  book->text_file[page] = 1;
  // A file whose first read fails: the page shows "TEXTFEHLER   9".
  std::filesystem::create_symlink("/proc/self/mem", dir / "acst1.DAT");
  plant(at, Severity::error, "text-unreadable", "text page 1");

  at = next_page();
  book->text_file[page] = 3;
  folder.write_text_page(3, text_page({"Kurz.", std::string(90, 'x')}));
  plant(at, Severity::warning, "text-line-cut", "text page 3");

  at = next_page();
  book->text_file[page] = 4;
  folder.write_text_page(4, text_page(std::vector<std::string>(45, "Zeile")));
  plant(at, Severity::warning, "text-beyond-40-lines", "text page 4");

  at = next_page();
  book->text_file[page] = 5;
  folder.write_text_page(5, "20\noben\n1\n255\n255\n255\nText\n#\n");
  plant(at, Severity::warning, "text-header", "text page 5");

  at = next_page();
  book->text_file[page] = 6;
  folder.write_text_page(6, text_page({"\xC3\x9C" "ber die Wiese"}));
  plant(at, Severity::warning, "utf8-text", "text page 6");

  at = next_page();
  book->box1[page] = 20;
  book->mark[page] = 1;
  folder.write_box(20, 40, 40);
  plant(at, Severity::error, "missing-file", "box 1 highlighted picture 21");

  at = next_page();
  book->picture[page] = 44;
  folder.write_file("ACS00044.bmp", reader_test::whole_screen_bmp({1, 2, 3}));
  plant(at, Severity::hint, "letter-case", "picture 44");

  folder.write_file("notes.txt", "what to draw next");
  plant(Place::folder(), Severity::hint, "unused-file", "file");

  book->page_count = stored_page_count;
  folder.write_book(*book);
  std::filesystem::resize_file(dir / "BOOK.DAT", short_book_file);
  return faults;
}

}  // namespace check_test
