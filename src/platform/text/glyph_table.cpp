#include "platform/text/glyph_table.h"

#include <string_view>

#include "platform/files/le_reader.h"

namespace platform {

namespace {

constexpr std::string_view magic = "RZGT";
// Larger glyphs are no font the program draws: a table holding one is damaged.
constexpr std::uint32_t largest_glyph_side = 256;

void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put_i32(std::vector<std::uint8_t>& out, std::int32_t signed_value) {
  const auto value = static_cast<std::uint32_t>(signed_value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

bool read_i32(LeReader& in, int& value) {
  std::uint32_t raw = 0;
  if (!in.read_u32(raw)) return false;
  value = static_cast<std::int32_t>(raw);
  return true;
}

bool read_glyph(LeReader& in, GlyphBitmap& glyph) {
  std::uint16_t width = 0, height = 0;
  if (!read_i32(in, glyph.left) || !read_i32(in, glyph.top) || !in.read_u16(width) || !in.read_u16(height))
    return false;
  if (width > largest_glyph_side || height > largest_glyph_side) return false;
  std::span<const std::uint8_t> coverage;
  if (!in.read_bytes(std::size_t{width} * height, coverage)) return false;
  glyph.width = width;
  glyph.height = height;
  glyph.coverage.assign(coverage.begin(), coverage.end());
  return true;
}

bool read_set(LeReader& in, GlyphSet& set) {
  if (!read_i32(in, set.line_height) || !read_i32(in, set.ascent) || !read_i32(in, set.advance)) return false;
  for (GlyphBitmap& glyph : set.glyphs)
    if (!read_glyph(in, glyph)) return false;
  return true;
}

}  // namespace

std::vector<std::uint8_t> write_glyph_table(std::span<const GlyphSet, glyph_table_fonts> sets) {
  std::vector<std::uint8_t> out(magic.begin(), magic.end());
  for (const GlyphSet& set : sets) {
    put_i32(out, set.line_height);
    put_i32(out, set.ascent);
    put_i32(out, set.advance);
    for (const GlyphBitmap& glyph : set.glyphs) {
      put_i32(out, glyph.left);
      put_i32(out, glyph.top);
      put_u16(out, static_cast<std::uint32_t>(glyph.width));
      put_u16(out, static_cast<std::uint32_t>(glyph.height));
      out.insert(out.end(), glyph.coverage.begin(), glyph.coverage.end());
    }
  }
  return out;
}

std::optional<GlyphSet> read_glyph_table(std::span<const std::uint8_t> table, FontId font) {
  LeReader in(table);
  if (!in.holds_text(0, magic) || !in.seek(magic.size())) return std::nullopt;
  GlyphSet set;
  for (int index = 0; index < glyph_table_fonts; ++index) {
    if (!read_set(in, set)) return std::nullopt;
    if (index == static_cast<int>(font)) {
      finish_glyph_set(set);
      return set;
    }
  }
  return std::nullopt;
}

}  // namespace platform
