#include "platform/bmp/bmp_rows.h"

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

// Calls `convert(src, dst, columns)` for each target row with its stored source row.
template <class ConvertRow>
void for_each_row(const BmpLayout& layout, const std::uint8_t* file, const PixelTarget& target, ConvertRow convert) {
  const std::uint8_t* pixels = file + layout.pixel_offset;
  for (int y = 0; y < target.rows; ++y) {
    const int row = target.first_row + y;
    const int stored = layout.top_down ? row : layout.height - 1 - row;
    convert(pixels + static_cast<std::size_t>(stored) * layout.stride,
            target.base + static_cast<std::size_t>(y) * target.pitch, target.columns);
  }
}

template <class Put, class PixelAt>
void convert_rows(const BmpLayout& layout, const std::uint8_t* file, const PixelTarget& target, PixelAt pixel_at) {
  for_each_row(layout, file, target, [&](const std::uint8_t* src, std::uint8_t* dst, int columns) {
    for (int x = 0; x < columns; ++x) Put::put(dst + x * Put::bytes, pixel_at(src, target.first_column + x));
  });
}

std::uint32_t rgb24_at(const std::uint8_t* src, int x) {
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

template <class Put>
void decode_as(const BmpLayout& layout, const std::uint8_t* file, const PixelTarget& target) {
  const auto& palette = layout.palette;
  switch (layout.bits_per_pixel) {
    case 1:
    case 2:
    case 4: {
      const int bpp = layout.bits_per_pixel;
      const unsigned index_mask = (1u << bpp) - 1;
      convert_rows<Put>(layout, file, target, [&](const std::uint8_t* src, int x) {
        const int bit = x * bpp;
        return palette[(src[bit >> 3] >> (8 - bpp - (bit & 7))) & index_mask];
      });
      break;
    }
    case 8:
      convert_rows<Put>(layout, file, target, [&](const std::uint8_t* src, int x) { return palette[src[x]]; });
      break;
    case 16: {
      const MaskedPixel masked(layout);
      convert_rows<Put>(layout, file, target, [&](const std::uint8_t* src, int x) {
        return masked(static_cast<std::uint32_t>(src[2 * x] | (src[2 * x + 1] << 8)));
      });
      break;
    }
    case 24:
      if constexpr (std::is_same_v<Put, PutXrgb8888>)
        for_each_row(layout, file, target, [&](const std::uint8_t* src, std::uint8_t* dst, int columns) {
          rgb24_row_to_xrgb8888(src + 3 * static_cast<std::size_t>(target.first_column), dst, columns);
        });
      else
        convert_rows<Put>(layout, file, target, rgb24_at);
      break;
    case 32: {
      auto load = [](const std::uint8_t* src, int x) {
        const std::uint8_t* p = src + 4 * x;
        return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
               (std::uint32_t{p[3]} << 24);
      };
      if (standard_32bit_masks(layout)) {
        convert_rows<Put>(layout, file, target,
                          [&](const std::uint8_t* src, int x) { return load(src, x) & 0xFFFFFFu; });
      } else {
        const MaskedPixel masked(layout);
        convert_rows<Put>(layout, file, target, [&](const std::uint8_t* src, int x) { return masked(load(src, x)); });
      }
      break;
    }
    default:
      break;
  }
}

}  // namespace

void decode_bmp_rows(const BmpLayout& layout, const std::uint8_t* file, const PixelTarget& target) {
  if (target.format == PixelFormat::xrgb8888)
    decode_as<PutXrgb8888>(layout, file, target);
  else
    decode_as<PutRgb565>(layout, file, target);
}

}  // namespace platform
