#pragma once
// The checked shape of a BMP file: everything the pixel decoders need, validated so that
// decoding the pixel data can no longer fail or read outside the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/bmp/bmp_source.h"

namespace platform {

enum class BmpEncoding { plain, bitfields, rle8, rle4 };

// One colour channel of a 16- or 32-bit pixel: the bits under `mask`, `bits` wide.
struct BmpChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
};

inline constexpr int bmp_palette_capacity = 256;

struct BmpLayout {
  int width = 0;   // pixels, > 0
  int height = 0;  // pixels, > 0
  bool top_down = false;
  int bits_per_pixel = 0;
  BmpEncoding encoding = BmpEncoding::plain;
  // Red, green, blue; used for 16 and 32 bits per pixel.
  std::array<BmpChannel, 3> channels{};
  // 0x00RRGGBB per index; indices the file's palette does not cover are black.
  std::array<std::uint32_t, bmp_palette_capacity> palette{};
  std::size_t pixel_offset = 0;  // from the file start
  std::size_t stride = 0;        // bytes per stored row, padding included
};

// Reads and checks the headers and palette, from the file's first bytes; nullopt when the file
// is refused. Any size a BMP can declare is accepted, but for plain and bitfield encodings a
// returned layout guarantees that every row lies inside the file.
std::optional<BmpLayout> read_bmp_layout(BmpSource& source);

}  // namespace platform
