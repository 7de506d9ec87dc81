#include "platform/text/text_output.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "platform/text/blend_width.h"
#include "platform/text/font_cache.h"

namespace platform {

namespace {

constexpr Rgb white{255, 255, 255};

// A rectangle already clipped to the surface.
struct Area {
  int x0, y0, x1, y1;
  bool empty() const { return x0 >= x1 || y0 >= y1; }
};

Area clip(const Surface& s, std::int64_t left, std::int64_t top, std::int64_t width,
          std::int64_t height) {
  return {static_cast<int>(std::clamp<std::int64_t>(left, 0, s.width)),
          static_cast<int>(std::clamp<std::int64_t>(top, 0, s.height)),
          static_cast<int>(std::clamp<std::int64_t>(left + width, 0, s.width)),
          static_cast<int>(std::clamp<std::int64_t>(top + height, 0, s.height))};
}

// from * (255 - coverage) / 255 + to * coverage / 255, rounded; exact at 0 and 255. Every
// step fits 16 bits, which lets compilers blend eight bytes per vector lane group.
inline std::uint8_t mix(unsigned from, unsigned to, unsigned coverage) {
  const auto t =
      static_cast<std::uint16_t>(to * coverage + from * (full_coverage - coverage) + 128);
  return static_cast<std::uint8_t>(static_cast<std::uint16_t>(t + (t >> 8)) >> 8);
}

// 32-bit pixels blend as bytes against the colour's bytes repeated, `StepPixels` pixels per
// step. A step and the same widened to 16 bits so that products fit are GCC and Clang vector
// extensions: a handful of SSE2 (or NEON) instructions for four pixels, of AVX2 for eight.
template <int StepPixels>
struct StepVectors;  // the vector attribute takes no template-dependent size, hence one per width
template <>
struct StepVectors<4> {
  using Bytes = std::uint8_t __attribute__((vector_size(16)));
  using Words = std::uint16_t __attribute__((vector_size(32)));
};
template <>
struct StepVectors<8> {
  using Bytes = std::uint8_t __attribute__((vector_size(32)));
  using Words = std::uint16_t __attribute__((vector_size(64)));
};


template <int StepPixels>
struct Xrgb8888 {
  static_assert(coverage_row_pixels % StepPixels == 0);
  static constexpr int bytes = 4;
  static constexpr int step_bytes = StepPixels * bytes;
  using ByteStep = typename StepVectors<StepPixels>::Bytes;
  using WordStep = typename StepVectors<StepPixels>::Words;

  std::array<std::uint8_t, step_bytes> pattern;
  WordStep wide_pattern;

  explicit Xrgb8888(std::uint32_t packed) {
    for (int i = 0; i < step_bytes; i += bytes) std::memcpy(&pattern[i], &packed, bytes);
    ByteStep narrow;
    std::memcpy(&narrow, pattern.data(), step_bytes);
    wide_pattern = __builtin_convertvector(narrow, WordStep);
  }

  static void store(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, bytes); }

  // A glyph wholly on the surface with room for its padded rows: whole steps only.
  void draw_whole(std::uint8_t* p, std::size_t pitch, const GlyphBitmap& glyph) const {
    const int row_bytes = glyph.padded_width * bytes;
    const std::uint8_t* coverage = glyph.byte_coverage.data();
    for (int row = 0; row < glyph.height; ++row, p += pitch, coverage += row_bytes)
      for (int i = 0; i < row_bytes; i += step_bytes) blend_step(p + i, coverage + i);
  }

  // `room` is how many pixels the row may touch from p: padding pixels within it get their own
  // value back, so whole steps need no tail.
  void draw_row(std::uint8_t* p, const GlyphBitmap& glyph, int row, int first, int count,
                int room) const {
    const std::uint8_t* coverage =
        glyph.byte_coverage.data() +
        (static_cast<std::size_t>(row) * glyph.padded_width + first) * bytes;
    const int padded = (count + StepPixels - 1) / StepPixels * StepPixels;
    if (padded <= room && first + padded <= glyph.padded_width) count = padded;
    const int length = count * bytes;
    int i = 0;
    for (; i + step_bytes <= length; i += step_bytes) blend_step(p + i, coverage + i);
    for (; i < length; ++i) p[i] = mix(p[i], pattern[i % step_bytes], coverage[i]);
  }

  // mix() on a whole step at once.
  void blend_step(std::uint8_t* p, const std::uint8_t* coverage) const {
    ByteStep narrow_target, narrow_coverage;
    std::memcpy(&narrow_target, p, step_bytes);
    std::memcpy(&narrow_coverage, coverage, step_bytes);
    const WordStep target = __builtin_convertvector(narrow_target, WordStep);
    const WordStep a = __builtin_convertvector(narrow_coverage, WordStep);
    WordStep t = wide_pattern * a + target * (full_coverage - a) + 128;
    t = (t + (t >> 8)) >> 8;
    narrow_target = __builtin_convertvector(t, ByteStep);
    std::memcpy(p, &narrow_target, step_bytes);
  }
};

// The 16-bit fallback blends pixel by pixel on channels expanded as read_pixel expands them.
struct Rgb565 {
  static constexpr int bytes = 2;
  int r, g, b;
  std::uint32_t packed;

  Rgb565(Rgb colour, std::uint32_t packed_colour)
      : r(colour.r), g(colour.g), b(colour.b), packed(packed_colour) {}

  static void store(std::uint8_t* p, std::uint32_t v) {
    const std::uint16_t v16 = static_cast<std::uint16_t>(v);
    std::memcpy(p, &v16, bytes);
  }

  void draw_whole(std::uint8_t* p, std::size_t pitch, const GlyphBitmap& glyph) const {
    for (int row = 0; row < glyph.height; ++row, p += pitch) draw_row(p, glyph, row, 0, glyph.width, glyph.width);
  }

  void draw_row(std::uint8_t* p, const GlyphBitmap& glyph, int row, int first, int count,
                int /*room*/) const {
    const std::uint8_t* coverage =
        glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width + first;
    for (int i = 0; i < count; ++i, p += bytes) {
      const unsigned a = coverage[i];
      if (a == 0) continue;
      if (a == full_coverage) {
        store(p, packed);
        continue;
      }
      std::uint16_t v;
      std::memcpy(&v, p, bytes);
      const unsigned r5 = (v >> 11) & 31, g6 = (v >> 5) & 63, b5 = v & 31;
      store(p, pack_pixel(PixelFormat::rgb565, static_cast<int>(mix((r5 << 3) | (r5 >> 2), r, a)),
                          static_cast<int>(mix((g6 << 2) | (g6 >> 4), g, a)),
                          static_cast<int>(mix((b5 << 3) | (b5 >> 2), b, a))));
    }
  }
};

template <class Format>
void fill(Surface& s, const Area& area, std::uint32_t packed) {
  for (int y = area.y0; y < area.y1; ++y) {
    std::uint8_t* p = s.row(y) + static_cast<std::size_t>(area.x0) * Format::bytes;
    for (int x = area.x0; x < area.x1; ++x, p += Format::bytes) Format::store(p, packed);
  }
}

template <class Format>
void draw_glyph(Surface& s, std::int64_t left, std::int64_t top, const GlyphBitmap& glyph,
                const Format& format) {
  const Area area = clip(s, left, top, glyph.width, glyph.height);
  if (area.empty()) return;
  const bool whole = area.x0 == left && area.y0 == top && area.y1 - area.y0 == glyph.height &&
                     glyph.padded_width <= s.width - area.x0;
  if (whole) {
    format.draw_whole(s.row(area.y0) + static_cast<std::size_t>(area.x0) * Format::bytes,
                      static_cast<std::size_t>(s.pitch), glyph);
    return;
  }
  const int first = static_cast<int>(area.x0 - left);
  for (int y = area.y0; y < area.y1; ++y)
    format.draw_row(s.row(y) + static_cast<std::size_t>(area.x0) * Format::bytes, glyph,
                    static_cast<int>(y - top), first, area.x1 - area.x0, s.width - area.x0);
}

template <class Format>
void draw_characters(Surface& s, std::int64_t x, std::int64_t y, const GlyphSet& set,
                     const Format& format, bool opaque_background, const unsigned char* bytes,
                     int length) {
  const std::int64_t advance = set.advance;
  if (opaque_background)
    fill<Format>(s, clip(s, x, y, advance * length, set.line_height),
                 pack_pixel(s.format, white.r, white.g, white.b));
  if (y + set.reach_bottom <= 0 || y + set.reach_top >= s.height) return;

  // Only the characters whose glyphs can reach into the surface are visited.
  std::int64_t first = 0;
  const std::int64_t before = -x - set.reach_right;
  if (before >= 0) first = before / advance + 1;
  const std::int64_t room = s.width - x - set.reach_left;
  if (room <= 0) return;
  const std::int64_t last = std::min<std::int64_t>(length - 1, (room - 1) / advance);

  for (std::int64_t i = first; i <= last; ++i) {
    const GlyphBitmap& glyph = set.glyphs[bytes[i]];
    if (glyph.empty()) continue;
    draw_glyph(s, x + i * advance + glyph.left, y + glyph.top, glyph, format);
  }
}

#if defined(__x86_64__)
// Everything inlined into one function compiled for AVX2, chosen only where the processor has it.
__attribute__((target("avx2"), flatten)) void draw_characters_avx2(
    Surface& s, std::int64_t x, std::int64_t y, const GlyphSet& set, std::uint32_t packed,
    bool opaque_background, const unsigned char* bytes, int length) {
  draw_characters(s, x, y, set, Xrgb8888<8>(packed), opaque_background, bytes, length);
}
#endif

bool narrow_blend_forced = false;

#if defined(__x86_64__)
bool wide_blend_available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available && !narrow_blend_forced;
}
#endif

bool surface_usable(const Surface& s) {
  if (s.lost || s.width <= 0 || s.height <= 0) return false;
  const std::size_t row_bytes = static_cast<std::size_t>(s.width) * s.bytes_per_pixel();
  return s.pitch > 0 && static_cast<std::size_t>(s.pitch) >= row_bytes &&
         s.pixels.size() / static_cast<std::size_t>(s.pitch) >= static_cast<std::size_t>(s.height);
}

}  // namespace

void force_narrow_text_blend(bool narrow) { narrow_blend_forced = narrow; }

void draw_text(Surface& s, int x, int y, FontId font, Rgb colour, bool opaque_background,
               const char* bytes, int length) {
  if (bytes == nullptr || length <= 0 || !surface_usable(s)) return;
  const GlyphSet* set = font_glyphs(font);
  if (set == nullptr || set->advance <= 0) return;
  const Rgb c{colour.r & 255, colour.g & 255, colour.b & 255};
  const std::uint32_t packed = pack_pixel(s.format, c.r, c.g, c.b);
  const auto* text = reinterpret_cast<const unsigned char*>(bytes);
#if defined(__x86_64__)
  if (s.format == PixelFormat::xrgb8888 && wide_blend_available()) {
    draw_characters_avx2(s, x, y, *set, packed, opaque_background, text, length);
    return;
  }
#endif
  if (s.format == PixelFormat::xrgb8888)
    draw_characters(s, x, y, *set, Xrgb8888<4>(packed), opaque_background, text, length);
  else
    draw_characters(s, x, y, *set, Rgb565(c, packed), opaque_background, text, length);
}

}  // namespace platform
