#include "soak_book.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "book/book_file.h"
#include "book/page_table.h"

namespace soak {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t int_min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t int_max = std::numeric_limits<std::int32_t>::max();

Bytes read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void write_bytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class Randomizer {
 public:
  explicit Randomizer(std::uint64_t seed) : random_(seed) {}

  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return number(1, 100) <= percent; }
  std::int32_t any_int() { return std::uniform_int_distribution<std::int32_t>(int_min, int_max)(random_); }

  // Mostly a number the book's files use, else none, negative, anything, or an edge of int32.
  std::int32_t field(int usual_low, int usual_high) {
    const int roll = number(1, 100);
    if (roll <= 60) return number(usual_low, usual_high);
    if (roll <= 75) return 0;
    if (roll <= 85) return -number(1, 1000);
    if (roll <= 95) return any_int();
    const std::int32_t edges[] = {int_min, int_min + 1, int_max - 1, int_max};
    return edges[number(0, 3)];
  }

  // The name in a random mix of upper and lower case.
  std::string odd_case(const std::string& name) {
    std::string odd = name;
    for (char& c : odd) {
      if (c >= 'a' && c <= 'z' && chance(50)) c = static_cast<char>(c - 'a' + 'A');
      else if (c >= 'A' && c <= 'Z' && chance(50)) c = static_cast<char>(c - 'A' + 'a');
    }
    return odd;
  }

  // Missing, empty, cut short or corrupt; says which.
  std::string spoil(const fs::path& path) {
    Bytes bytes = read_bytes(path);
    switch (number(0, 3)) {
      case 0:
        fs::remove(path);
        return "missing";
      case 1:
        bytes.clear();
        write_bytes(path, bytes);
        return "empty";
      case 2:
        bytes.resize(bytes.empty() ? 0 : static_cast<std::size_t>(number(0, static_cast<int>(bytes.size()) - 1)));
        write_bytes(path, bytes);
        return "cut short";
      default:
        for (int i = number(1, 40); i > 0 && !bytes.empty(); --i) {
          // Headers are where the damage matters: half of the corruption goes to the first 64 bytes.
          const int reach = chance(50) ? 64 : static_cast<int>(bytes.size());
          const auto at = static_cast<std::size_t>(number(0, std::min(reach, static_cast<int>(bytes.size())) - 1));
          bytes[at] = static_cast<std::uint8_t>(number(0, 255));
        }
    }
    write_bytes(path, bytes);
    return "corrupt";
  }

 private:
  std::mt19937_64 random_;
};

Bytes random_book_file(Randomizer& r) {
  const auto book = std::make_unique<PageTable>();
  auto fill = [&r](std::int32_t* field, int low, int high) {
    for (int p = 0; p < page_capacity; ++p) field[p] = r.field(low, high);
  };
  fill(book->picture, 1, 16);
  for (std::int32_t* box : {book->box1, book->box2, book->box3}) fill(box, 9, 112);
  for (std::int32_t* position : {book->box1_x, book->box1_y, book->box2_x, book->box2_y, book->box3_x, book->box3_y})
    fill(position, -300, 1300);
  fill(book->wave, 1, 210);
  fill(book->back_sound, 1, 210);
  fill(book->level, 0, 60);
  fill(book->back_transition, 0, 9);
  fill(book->forward_transition, 0, 9);
  fill(book->text_file, 1, 13);
  for (auto& mark : book->mark) mark = static_cast<std::uint8_t>(r.chance(90) ? r.number(0, 4) : r.number(0, 255));
  book->start_page = r.field(1, 299);
  book->page_count = r.chance(90) ? r.number(1, max_page_count) : r.field(-5, 400);

  // encode_book reads the program's own table.
  pages = *book;
  Bytes bytes(book_file_size);
  encode_book(bytes.data(), book_file_size);
  return bytes;
}

// The demo's lurinf.bin with its names in odd letter case, sometimes CR LF line ends and
// another title music; sometimes missing, empty, cut short or corrupt.
void rewrite_configuration(Randomizer& r, const fs::path& folder, SoakBook& book) {
  const fs::path path = folder / "lurinf.bin";
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  in.close();
  for (std::size_t i = 0; i < 4 && i < lines.size(); ++i) lines[i] = r.odd_case(lines[i]);
  if (lines.size() >= 7 && r.chance(30)) lines[6] = std::to_string(r.field(1, 210));
  const char* end = r.chance(50) ? "\r\n" : "\n";
  std::string text;
  for (const std::string& line : lines) text += line + end;
  write_bytes(path, Bytes(text.begin(), text.end()));
  const int roll = r.number(1, 100);
  if (roll <= 6) {
    // Missing or without a single line, the configuration does not read: the program ends at once.
    book.starts = false;
    if (roll <= 3) {
      fs::remove(path);
      book.description += ", lurinf.bin missing";
    } else {
      write_bytes(path, {});
      book.description += ", lurinf.bin empty";
    }
  } else if (roll <= 14) {
    // Cut short or corrupt, but with its first character: it reads, whatever it then names.
    Bytes bytes(text.begin(), text.end());
    if (roll <= 10) {
      bytes.resize(static_cast<std::size_t>(r.number(1, static_cast<int>(bytes.size()) - 1)));
    } else {
      for (int i = r.number(1, 12); i > 0; --i)
        bytes[static_cast<std::size_t>(r.number(1, static_cast<int>(bytes.size()) - 1))] =
            static_cast<std::uint8_t>(r.number(0, 255));
    }
    write_bytes(path, bytes);
    book.description += roll <= 10 ? ", lurinf.bin cut short" : ", lurinf.bin corrupt";
  }
}

void spoil_files(Randomizer& r, const fs::path& folder, SoakBook& book) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file() && entry.path().filename() != "lurinf.bin" && entry.path().filename() != "buch.dat")
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  const int share = r.number(0, 30);
  int spoilt = 0;
  for (const fs::path& file : files) {
    if (!r.chance(share)) continue;
    r.spoil(file);
    ++spoilt;
  }
  book.description += ", " + std::to_string(spoilt) + " of " + std::to_string(files.size()) +
                      " other files missing, empty, cut short or corrupt";
}

// Files and folders renamed into odd letter case: the program finds them as Windows did.
void rename_in_odd_case(Randomizer& r, const fs::path& folder) {
  std::vector<fs::path> entries;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) entries.push_back(entry.path());
  // Deepest first, so a folder is renamed after everything in it.
  std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) { return a.string() > b.string(); });
  for (const fs::path& entry : entries) {
    if (entry.filename() == "lurinf.bin" || !r.chance(40)) continue;
    fs::rename(entry, entry.parent_path() / r.odd_case(entry.filename().string()));
  }
}

}  // namespace

SoakBook write_soak_book(const fs::path& demo, const fs::path& folder, std::uint64_t seed) {
  fs::copy(demo, folder, fs::copy_options::recursive);
  SoakBook book;
  Randomizer r(seed);
  if (r.chance(25)) {
    book.description = "the demo book";
    return book;
  }
  book.description = "a random book";
  const fs::path book_file = folder / "buch.dat";
  Bytes bytes = random_book_file(r);
  write_bytes(book_file, bytes);
  if (r.chance(30)) book.description += ", book file " + r.spoil(book_file);
  if (r.chance(5)) {
    bytes.resize(bytes.size() + static_cast<std::size_t>(r.number(1, 500)), 0xAB);
    write_bytes(book_file, bytes);
    book.description += ", book file overlong";
  }
  spoil_files(r, folder, book);
  rewrite_configuration(r, folder, book);
  if (r.chance(60)) {
    rename_in_odd_case(r, folder);
    book.description += ", names in odd letter case";
  }
  return book;
}

}  // namespace soak
