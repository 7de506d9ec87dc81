#include "demo/demo_book.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "book/book_file.h"
#include "book/page_table.h"
#include "book/text_page.h"
#include "demo/atlas.h"
#include "demo/demo_sounds.h"
#include "demo/file_formats.h"
#include "demo/labels.h"
#include "demo/story.h"

namespace demo {

namespace {

namespace fs = std::filesystem;

// Written as a book made on Windows would be: backslashes, CR LF line ends, Windows-1252.
constexpr const char* picture_prefix = "bilder\\bild";
constexpr const char* box_prefix = "boxen\\box";
constexpr const char* sound_prefix = "toene\\ton";
constexpr const char* book_file = "buch.dat";
constexpr const char* title_line1 = "EIN BILDERBUCH ZUM BLÄTTERN UND AUSPROBIEREN";
constexpr const char* title_line2 = "PIEKS UND DER KLEINE STERN";
constexpr int atlas_picture = 1;
constexpr int title_picture = 2;
constexpr int first_page_picture = 3;
constexpr int transition_count = 8;

class BookWriter {
 public:
  explicit BookWriter(fs::path folder) : folder_(std::move(folder)) {}

  bool write(const std::string& windows_name, const std::vector<std::uint8_t>& bytes) {
    std::string name = windows_name;
    for (char& c : name)
      if (c == '\\') c = '/';
    const fs::path path = folder_ / name;
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail() || fail(path);
  }

  bool write_text(const std::string& windows_name, const std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& line : lines) {
      bytes.insert(bytes.end(), line.begin(), line.end());
      bytes.push_back('\r');
      bytes.push_back('\n');
    }
    return write(windows_name, bytes);
  }

  const std::string& problem() const { return problem_; }

 private:
  bool fail(const fs::path& path) {
    problem_ = "cannot write " + path.string();
    return false;
  }

  fs::path folder_;
  std::string problem_;
};

// Five digits, as the program pads every number below 991 (the demo's numbers stay far below).
std::string picture_name(const char* prefix, int number) {
  std::string digits = std::to_string(number);
  return prefix + std::string(5 - digits.size(), '0') + digits + ".BMP";
}

std::string sound_name(int number) { return std::string(sound_prefix) + std::to_string(number) + ".WAV"; }

int box_number(int page, int slot) { return 10 * page + 2 * slot; }

std::vector<std::string> text_file_lines(const PageText& text) {
  std::vector<std::string> lines{std::to_string(text.x),       std::to_string(text.y),
                                 std::to_string(text.size),    std::to_string(text.colour.r),
                                 std::to_string(text.colour.g), std::to_string(text.colour.b)};
  for (const std::string& line : text.lines) lines.push_back(windows_1252(line));
  lines.emplace_back("#");
  return lines;
}

// The page table of the story, in the global record the book file is encoded from.
void fill_page_table(const std::vector<StoryPage>& story) {
  reset_page_table();
  clear_page_table();
  pages.start_page = 1;
  pages.page_count = static_cast<std::int32_t>(story.size());
  for (int p = 1; p <= pages.page_count; ++p) {
    const StoryPage& page = story[static_cast<std::size_t>(p - 1)];
    pages.picture[p] = first_page_picture + p - 1;
    std::int32_t* numbers[3] = {pages.box1, pages.box2, pages.box3};
    std::int32_t* xs[3] = {pages.box1_x, pages.box2_x, pages.box3_x};
    std::int32_t* ys[3] = {pages.box1_y, pages.box2_y, pages.box3_y};
    for (int slot = 0; slot < 3; ++slot) {
      const auto& box = page.boxes[static_cast<std::size_t>(slot)];
      if (!box) continue;
      numbers[slot][p] = box_number(p, slot);
      xs[slot][p] = box->x;
      ys[slot][p] = box->y;
    }
    pages.wave[p] = page.wave;
    pages.back_sound[p] = page.back_sound;
    pages.level[p] = page.level;
    pages.mark[p] = static_cast<std::uint8_t>(page.mark);
    // Between them the pages use every effect in both directions.
    pages.forward_transition[p] = (p - 1) % transition_count + 1;
    pages.back_transition[p] = (p + 3) % transition_count + 1;
    pages.text_file[p] = page.text.lines.empty() ? 0 : p;
  }
}

bool write_pictures(BookWriter& out, const std::vector<StoryPage>& story, DemoBookSummary& summary) {
  if (!out.write(picture_name(picture_prefix, atlas_picture), encode_bmp24(draw_interface_atlas()))) return false;
  if (!out.write(picture_name(picture_prefix, title_picture), encode_bmp24(draw_title_picture()))) return false;
  summary.pictures = 2;
  for (int p = 1; p <= static_cast<int>(story.size()); ++p) {
    const StoryPage& page = story[static_cast<std::size_t>(p - 1)];
    if (!out.write(picture_name(picture_prefix, first_page_picture + p - 1), encode_bmp24(page.picture))) return false;
    ++summary.pictures;
    for (int slot = 0; slot < 3; ++slot) {
      const auto& box = page.boxes[static_cast<std::size_t>(slot)];
      if (!box) continue;
      if (!out.write(picture_name(box_prefix, box_number(p, slot)), encode_bmp24(box->plain)) ||
          !out.write(picture_name(box_prefix, box_number(p, slot) + 1), encode_bmp24(box->highlighted)))
        return false;
      summary.box_pictures += 2;
    }
    if (!page.text.lines.empty()) {
      const std::string text_prefix = std::string(picture_prefix) + "t";
      char name[text_file_name_room + 1];
      build_text_file_name(text_prefix.c_str(), p, name);
      if (!out.write_text(name, text_file_lines(page.text))) return false;
      ++summary.text_pages;
    }
  }
  return true;
}

bool write_sounds(BookWriter& out, DemoBookSummary& summary) {
  for (const auto& sounds : {effect_sounds(), music_sounds(), page_wave_sounds()})
    for (const SoundFile& sound : sounds) {
      if (!out.write(sound_name(sound.number), encode_wav(sound.clip, sound.bits_per_sample))) return false;
      ++summary.sounds;
    }
  return true;
}

}  // namespace

bool write_demo_book(const std::string& folder, DemoBookSummary& summary, std::string& problem) {
  summary = {};
  std::error_code ec;
  fs::create_directories(folder, ec);
  BookWriter out{fs::path(folder)};
  const std::vector<StoryPage> story = make_story();
  summary.pages = static_cast<int>(story.size());
  fill_page_table(story);
  std::vector<std::uint8_t> book(book_file_size);
  encode_book(book.data(), book_file_size);
  const bool written =
      out.write_text("lurinf.bin", {picture_prefix, box_prefix, sound_prefix, book_file, windows_1252(title_line1),
                                    windows_1252(title_line2), std::to_string(sound_number::title_music)}) &&
      out.write(book_file, book) && write_pictures(out, story, summary) && write_sounds(out, summary);
  if (!written) problem = out.problem();
  return written;
}

}  // namespace demo
