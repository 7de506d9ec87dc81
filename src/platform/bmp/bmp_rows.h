#pragma once
// Uncompressed (plain and bitfield) pixel rows, read a few stored rows at a time.
#include "platform/bmp/bmp_layout.h"
#include "platform/bmp/bmp_source.h"
#include "platform/bmp/bmp_target.h"

namespace platform {

// Writes every target pixel, reading only the stored rows the target shows and, of each, the
// bytes from its first to its last shown column. Needs a plain or bitfields layout.
void decode_bmp_rows(const BmpLayout& layout, BmpSource& source, const PixelTarget& target);

}  // namespace platform
