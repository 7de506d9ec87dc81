#pragma once
// Decoding of uncompressed (plain and bitfield) pixel rows straight into a pixel store.
#include <cstddef>
#include <cstdint>

#include "platform/bmp/bmp_layout.h"
#include "platform/display/surface.h"

namespace platform {

// Where decoded pixels go: the `columns` x `rows` pixels of the picture from (first_column,
// first_row) on, written from `base` with rows `pitch` bytes apart, in `format`.
struct PixelTarget {
  std::uint8_t* base = nullptr;
  std::size_t pitch = 0;
  int columns = 0;
  int rows = 0;
  PixelFormat format = PixelFormat::xrgb8888;
  int first_column = 0;
  int first_row = 0;
};

// `file` is the whole file the layout was read from; the target's pixels must lie inside the
// picture. Needs a plain or bitfields layout.
void decode_bmp_rows(const BmpLayout& layout, const std::uint8_t* file, const PixelTarget& target);

}  // namespace platform
