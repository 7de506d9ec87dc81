#include "platform/text/psf_font.h"

#include "platform/files/le_reader.h"
#include "platform/text/gzip_inflate.h"

namespace platform {

namespace {

constexpr std::size_t max_inflated_size = 4 * 1024 * 1024;

constexpr std::uint16_t psf1_magic = 0x0436;
constexpr std::uint8_t psf1_mode_512 = 0x01;
constexpr std::uint8_t psf1_mode_has_table = 0x02;
constexpr std::uint8_t psf1_mode_sequences = 0x04;
constexpr int psf1_width = 8;
constexpr std::uint16_t psf1_separator = 0xFFFF;
constexpr std::uint16_t psf1_sequence_start = 0xFFFE;

constexpr std::uint32_t psf2_magic = 0x864AB572;
constexpr std::uint32_t psf2_flag_has_table = 0x01;
constexpr std::uint32_t psf2_header_size = 32;
constexpr std::uint8_t psf2_separator = 0xFF;
constexpr std::uint8_t psf2_sequence_start = 0xFE;

bool read_glyphs(LeReader& reader, PsfFont& font) {
  const std::size_t size =
      static_cast<std::size_t>(font.glyph_count) * font.height * font.bytes_per_row;
  std::span<const std::uint8_t> bytes;
  if (!reader.read_bytes(size, bytes)) return false;
  font.bitmaps.assign(bytes.begin(), bytes.end());
  return true;
}

void map_character(PsfFont& font, char32_t c, int glyph) { font.glyph_of.try_emplace(c, glyph); }

// Version 1 table: per glyph, 16-bit code points up to 0xFFFF; after 0xFFFE come combining
// sequences, which a single byte never draws. A table cut short keeps what it holds.
void read_psf1_table(LeReader& reader, PsfFont& font) {
  int glyph = 0;
  bool in_sequence = false;
  std::uint16_t value = 0;
  while (glyph < font.glyph_count && reader.read_u16(value)) {
    if (value == psf1_separator) {
      ++glyph;
      in_sequence = false;
    } else if (value == psf1_sequence_start) {
      in_sequence = true;
    } else if (!in_sequence) {
      map_character(font, value, glyph);
    }
  }
}

std::optional<PsfFont> load_psf1(LeReader& reader) {
  std::uint16_t magic = 0;
  std::uint8_t mode = 0, char_size = 0;
  if (!reader.read_u16(magic) || magic != psf1_magic) return std::nullopt;
  if (!reader.read_u8(mode) || !reader.read_u8(char_size) || char_size == 0) return std::nullopt;
  if (char_size > psf_max_glyph_side) return std::nullopt;
  PsfFont font;
  font.width = psf1_width;
  font.height = char_size;
  font.bytes_per_row = 1;
  font.glyph_count = (mode & psf1_mode_512) ? 512 : 256;
  if (!read_glyphs(reader, font)) return std::nullopt;
  font.has_unicode_table = (mode & (psf1_mode_has_table | psf1_mode_sequences)) != 0;
  if (font.has_unicode_table) read_psf1_table(reader, font);
  return font;
}

// Decodes one UTF-8 character; false (and one byte consumed) for a malformed one.
bool read_utf8(LeReader& reader, std::uint8_t first, char32_t& c) {
  int extra = 0;
  if (first < 0x80) {
    c = first;
    return true;
  }
  if ((first & 0xE0) == 0xC0) {
    extra = 1;
    c = first & 0x1F;
  } else if ((first & 0xF0) == 0xE0) {
    extra = 2;
    c = first & 0x0F;
  } else if ((first & 0xF8) == 0xF0) {
    extra = 3;
    c = first & 0x07;
  } else {
    return false;
  }
  const std::size_t start = reader.position();
  for (int i = 0; i < extra; ++i) {
    std::uint8_t next = 0;
    if (!reader.read_u8(next) || (next & 0xC0) != 0x80) {
      reader.seek(start);
      return false;
    }
    c = (c << 6) | (next & 0x3F);
  }
  return c <= 0x10FFFF;
}

// Version 2 table: per glyph, UTF-8 characters up to 0xFF; after 0xFE come sequences.
void read_psf2_table(LeReader& reader, PsfFont& font) {
  int glyph = 0;
  bool in_sequence = false;
  std::uint8_t byte = 0;
  while (glyph < font.glyph_count && reader.read_u8(byte)) {
    if (byte == psf2_separator) {
      ++glyph;
      in_sequence = false;
    } else if (byte == psf2_sequence_start) {
      in_sequence = true;
    } else {
      char32_t c = 0;
      if (read_utf8(reader, byte, c) && !in_sequence) map_character(font, c, glyph);
    }
  }
}

std::optional<PsfFont> load_psf2(LeReader& reader) {
  std::uint32_t magic = 0, version = 0, header_size = 0, flags = 0;
  std::uint32_t count = 0, char_size = 0, height = 0, width = 0;
  if (!reader.read_u32(magic) || magic != psf2_magic) return std::nullopt;
  if (!reader.read_u32(version) || !reader.read_u32(header_size) || !reader.read_u32(flags) ||
      !reader.read_u32(count) || !reader.read_u32(char_size) || !reader.read_u32(height) ||
      !reader.read_u32(width))
    return std::nullopt;
  if (header_size < psf2_header_size || !reader.seek(header_size)) return std::nullopt;
  if (width == 0 || height == 0 || width > psf_max_glyph_side || height > psf_max_glyph_side)
    return std::nullopt;
  if (count == 0 || count > psf_max_glyph_count) return std::nullopt;
  PsfFont font;
  font.width = static_cast<int>(width);
  font.height = static_cast<int>(height);
  font.bytes_per_row = (font.width + 7) / 8;
  font.glyph_count = static_cast<int>(count);
  if (char_size != static_cast<std::uint32_t>(font.height * font.bytes_per_row))
    return std::nullopt;
  if (!read_glyphs(reader, font)) return std::nullopt;
  font.has_unicode_table = (flags & psf2_flag_has_table) != 0;
  if (font.has_unicode_table) read_psf2_table(reader, font);
  return font;
}

}  // namespace

std::optional<int> PsfFont::glyph_for(char32_t c) const {
  if (!has_unicode_table) {
    if (c < static_cast<char32_t>(glyph_count)) return static_cast<int>(c);
    return std::nullopt;
  }
  const auto found = glyph_of.find(c);
  if (found == glyph_of.end()) return std::nullopt;
  return found->second;
}

bool PsfFont::ink(int glyph, int x, int y) const {
  if (glyph < 0 || glyph >= glyph_count || x < 0 || x >= width || y < 0 || y >= height)
    return false;
  const std::size_t row = (static_cast<std::size_t>(glyph) * height + y) * bytes_per_row;
  return (bitmaps[row + x / 8] & (0x80 >> (x % 8))) != 0;
}

std::optional<PsfFont> load_psf(std::span<const std::uint8_t> file) {
  if (is_gzip(file)) {
    const auto inflated = inflate_gzip(file, max_inflated_size);
    if (!inflated || is_gzip(*inflated)) return std::nullopt;
    return load_psf(*inflated);
  }
  LeReader reader(file);
  if (auto font = load_psf1(reader)) return font;
  reader.seek(0);
  return load_psf2(reader);
}

}  // namespace platform
