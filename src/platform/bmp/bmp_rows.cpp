#include "platform/bmp/bmp_rows.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {
namespace {

constexpr int max_table_bits = 16;

struct PutXrgb8888 {
  static constexpr int bytes = 4;
  static void put(std::uint8_t* at, std::uint32_t rgb) { std::memcpy(at, &rgb, 4); }
};

struct PutRgb565 {
  static constexpr int bytes = 2;
  static void put(std::uint8_t* at, std::uint32_t rgb) {
    const auto v = static_cast<std::uint16_t>(
        pack_pixel(PixelFormat::rgb565, static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8), static_cast<int>(rgb)));
    std::memcpy(at, &v, 2);
  }
};

// Widens a channel of n bits to 8 bits as round(v * 255 / (2^n - 1)), so the largest value
// gives 255 and 5-bit 3 gives 25; a channel without bits reads as 0.
class ChannelScale {
 public:
  explicit ChannelScale(const BmpChannel& channel) : channel_(channel) {
    if (channel.bits == 0 || channel.bits > max_table_bits) return;
    table_.resize(std::size_t{1} << channel.bits);
    for (std::size_t v = 0; v < table_.size(); ++v) table_[v] = widen(v);
  }

  std::uint32_t operator()(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & channel_.mask) >> channel_.shift;
    if (!table_.empty()) return table_[v];
    return channel_.bits == 0 ? 0 : widen(v);
  }

 private:
  std::uint8_t widen(std::uint64_t v) const {
    const std::uint64_t max = (std::uint64_t{1} << channel_.bits) - 1;
    return static_cast<std::uint8_t>((v * 510 + max) / (2 * max));
  }

  BmpChannel channel_;
  std::vector<std::uint8_t> table_;
};

struct MaskedPixel {
  ChannelScale red, green, blue;
  explicit MaskedPixel(const BmpLayout& layout)
      : red(layout.channels[0]), green(layout.channels[1]), blue(layout.channels[2]) {}
  std::uint32_t operator()(std::uint32_t pixel) const { return (red(pixel) << 16) | (green(pixel) << 8) | blue(pixel); }
};

bool standard_32bit_masks(const BmpLayout& layout) {
  return layout.channels[0].mask == 0xFF0000 && layout.channels[1].mask == 0x00FF00 &&
         layout.channels[2].mask == 0x0000FF;
}

// Stored rows are fetched in batches of neighbours up to this size, so a page picture takes a
// few reads while a stretched one reads only the rows it shows.
constexpr std::size_t batch_bytes = 256 * 1024;

// The picture columns of the target's columns, counted from `first`: consecutive, or listed.
// Byte offsets within a row reach past int in the widest pictures, so columns count in size_t.
struct Consecutive {
  int first;
  std::size_t operator()(int x) const { return static_cast<std::size_t>(first + x); }
};
struct Listed {
  const int* columns;
  int first;
  std::size_t operator()(int x) const { return static_cast<std::size_t>(columns[x] - first); }
};

// The bytes of each stored row that hold the target's columns: from `first_byte` on, `span`
// long. `first_column` is the column whose pixel starts at `first_byte`.
struct RowSpan {
  std::uint64_t first_byte;
  std::size_t span;
  int first_column;

  RowSpan(const BmpLayout& layout, std::span<const int> columns) {
    const int bpp = layout.bits_per_pixel;
    first_byte = static_cast<std::uint64_t>(columns.front()) * bpp / 8;
    const std::uint64_t end = ((static_cast<std::uint64_t>(columns.back()) + 1) * bpp + 7) / 8;
    span = static_cast<std::size_t>(end - first_byte);
    first_column = static_cast<int>(first_byte * 8 / bpp);
  }
};

// Calls `convert(src, dst)` for each target row with the span of its stored row, in the
// order the rows are stored; a target row showing the same row as the one before is copied.
template <class ConvertRow>
void for_each_row(const BmpLayout& layout, BmpSource& source, const PixelTarget& target, const RowSpan& row,
                  std::size_t row_bytes_out, ConvertRow convert) {
  const int n = static_cast<int>(target.rows.size());
  const auto target_row = [&](int i) { return layout.top_down ? i : n - 1 - i; };
  const auto stored_row = [&](int i) -> std::int64_t {
    const int picture_row = target.rows[target_row(i)];
    return layout.top_down ? picture_row : layout.height - 1 - picture_row;
  };
  for (int i = 0; i < n;) {
    const std::int64_t first = stored_row(i);
    std::int64_t last = first;
    int end = i + 1;
    for (; end < n; ++end) {
      const std::int64_t next = stored_row(end);
      if (next == last) continue;
      if (next != last + 1 || static_cast<std::uint64_t>(next - first) * layout.stride + row.span > batch_bytes) break;
      last = next;
    }
    const std::uint64_t length = static_cast<std::uint64_t>(last - first) * layout.stride + row.span;
    const std::uint8_t* batch = source.bytes(
        layout.pixel_offset + static_cast<std::uint64_t>(first) * layout.stride + row.first_byte,
        static_cast<std::size_t>(length));
    for (int k = i; k < end; ++k) {
      std::uint8_t* dst = target.base + static_cast<std::size_t>(target_row(k)) * target.pitch;
      if (k > i && stored_row(k) == stored_row(k - 1))
        std::memcpy(dst, target.base + static_cast<std::size_t>(target_row(k - 1)) * target.pitch, row_bytes_out);
      else
        convert(batch + static_cast<std::size_t>(stored_row(k) - first) * layout.stride, dst);
    }
    i = end;
  }
}

template <class Put, class Columns, class PixelAt>
void convert_rows(const BmpLayout& layout, BmpSource& source, const PixelTarget& target, const RowSpan& row,
                  Columns column, PixelAt pixel_at) {
  const int count = static_cast<int>(target.columns.size());
  for_each_row(layout, source, target, row, static_cast<std::size_t>(count) * Put::bytes,
               [&](const std::uint8_t* src, std::uint8_t* dst) {
                 for (int x = 0; x < count; ++x) Put::put(dst + x * Put::bytes, pixel_at(src, column(x)));
               });
}

std::uint32_t rgb24_at(const std::uint8_t* src, std::size_t x) {
  const std::uint8_t* p = src + 3 * x;
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

// The page-picture case, worth its own loop: 24-bit rows into a 32-bit surface.
void rgb24_row_to_xrgb8888(const std::uint8_t* src, std::uint8_t* dst, int count) {
  int x = 0;
#if defined(__SSE2__)
  // Four pixels per step: 32-bit lane i takes source bytes 3i..3i+2, a shift by i bytes.
  // Each 16-byte load stays inside the row's pixel bytes (x + 6 <= count).
  const __m128i lane0 = _mm_set_epi32(0, 0, 0, 0xFFFFFF), lane1 = _mm_set_epi32(0, 0, 0xFFFFFF, 0);
  const __m128i lane2 = _mm_set_epi32(0, 0xFFFFFF, 0, 0), lane3 = _mm_set_epi32(0xFFFFFF, 0, 0, 0);
  for (; x + 6 <= count; x += 4) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 3 * x));
    const __m128i low = _mm_or_si128(_mm_and_si128(v, lane0), _mm_and_si128(_mm_slli_si128(v, 1), lane1));
    const __m128i high =
        _mm_or_si128(_mm_and_si128(_mm_slli_si128(v, 2), lane2), _mm_and_si128(_mm_slli_si128(v, 3), lane3));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4 * x), _mm_or_si128(low, high));
  }
#endif
  for (; x < count; ++x) PutXrgb8888::put(dst + 4 * x, rgb24_at(src, x));
}

// A stretched camera picture: one shown pixel out of several. A four-byte load takes a byte
// past the pixel, so pixels at the span's very end are read byte by byte.
void rgb24_samples_to_xrgb8888(const std::uint8_t* src, std::size_t span, std::uint8_t* dst, Listed column,
                               int count) {
  int x = 0;
  for (; x < count && 3 * column(x) + 4 <= span; ++x) {
    std::uint32_t v;
    std::memcpy(&v, src + 3 * column(x), 4);
    PutXrgb8888::put(dst + 4 * x, v & 0xFFFFFFu);
  }
  for (; x < count; ++x) PutXrgb8888::put(dst + 4 * x, rgb24_at(src, column(x)));
}

template <class Put, class Columns>
void decode_as(const BmpLayout& layout, BmpSource& source, const PixelTarget& target, const RowSpan& row,
               Columns column) {
  const auto& palette = layout.palette;
  const int count = static_cast<int>(target.columns.size());
  switch (layout.bits_per_pixel) {
    case 1:
    case 2:
    case 4: {
      const int bpp = layout.bits_per_pixel;
      const unsigned index_mask = (1u << bpp) - 1;
      convert_rows<Put>(layout, source, target, row, column, [&](const std::uint8_t* src, std::size_t x) {
        const std::size_t bit = x * static_cast<std::size_t>(bpp);
        return palette[(src[bit >> 3] >> (8 - bpp - static_cast<int>(bit & 7))) & index_mask];
      });
      break;
    }
    case 8:
      convert_rows<Put>(layout, source, target, row, column,
                        [&](const std::uint8_t* src, std::size_t x) { return palette[src[x]]; });
      break;
    case 16: {
      const MaskedPixel masked(layout);
      convert_rows<Put>(layout, source, target, row, column, [&](const std::uint8_t* src, std::size_t x) {
        return masked(static_cast<std::uint32_t>(src[2 * x] | (src[2 * x + 1] << 8)));
      });
      break;
    }
    case 24:
      if constexpr (std::is_same_v<Put, PutXrgb8888> && std::is_same_v<Columns, Consecutive>)
        for_each_row(layout, source, target, row, static_cast<std::size_t>(count) * 4,
                     [&](const std::uint8_t* src, std::uint8_t* dst) { rgb24_row_to_xrgb8888(src, dst, count); });
      else if constexpr (std::is_same_v<Put, PutXrgb8888>)
        for_each_row(layout, source, target, row, static_cast<std::size_t>(count) * 4,
                     [&](const std::uint8_t* src, std::uint8_t* dst) {
                       rgb24_samples_to_xrgb8888(src, row.span, dst, column, count);
                     });
      else
        convert_rows<Put>(layout, source, target, row, column, rgb24_at);
      break;
    case 32: {
      auto load = [](const std::uint8_t* src, std::size_t x) {
        const std::uint8_t* p = src + 4 * x;
        return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
               (std::uint32_t{p[3]} << 24);
      };
      if (standard_32bit_masks(layout)) {
        convert_rows<Put>(layout, source, target, row, column,
                          [&](const std::uint8_t* src, std::size_t x) { return load(src, x) & 0xFFFFFFu; });
      } else {
        const MaskedPixel masked(layout);
        convert_rows<Put>(layout, source, target, row, column,
                          [&](const std::uint8_t* src, std::size_t x) { return masked(load(src, x)); });
      }
      break;
    }
    default:
      break;
  }
}

template <class Put>
void decode_columns(const BmpLayout& layout, BmpSource& source, const PixelTarget& target) {
  const RowSpan row(layout, target.columns);
  const auto& columns = target.columns;
  const bool consecutive =
      std::adjacent_find(columns.begin(), columns.end(), [](int a, int b) { return b != a + 1; }) == columns.end();
  if (consecutive)
    decode_as<Put>(layout, source, target, row, Consecutive{columns.front() - row.first_column});
  else
    decode_as<Put>(layout, source, target, row, Listed{columns.data(), row.first_column});
}

}  // namespace

void decode_bmp_rows(const BmpLayout& layout, BmpSource& source, const PixelTarget& target) {
  if (target.format == PixelFormat::xrgb8888)
    decode_columns<PutXrgb8888>(layout, source, target);
  else
    decode_columns<PutRgb565>(layout, source, target);
}

}  // namespace platform
