#pragma once
// Run-length (RLE8 / RLE4) pixel data, decoded front to back in one pass.
#include "platform/bmp/bmp_layout.h"
#include "platform/bmp/bmp_source.h"
#include "platform/bmp/bmp_target.h"

namespace platform {

// Writes every target pixel: what the runs paint, else palette colour 0. Runs past a row's
// end are cut off; the data ends at the end-of-picture code, at the last row, or where the
// file breaks off, whichever comes first. Only one row of target pixels is held, whatever
// the picture's size.
void decode_bmp_rle(const BmpLayout& layout, BmpSource& source, const PixelTarget& target);

}  // namespace platform
