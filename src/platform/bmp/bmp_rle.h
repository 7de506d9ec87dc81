#pragma once
// Run-length (RLE8 / RLE4) pixel data.
#include <cstddef>
#include <cstdint>

#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_layout.h"

namespace platform {

// Paints the runs of an RLE8 or RLE4 layout into `bitmap`, which must have the layout's size
// and already hold the background. Runs past a row's end are cut off; the data ends at the
// end-of-picture code, at the last row, or where the file breaks off, whichever comes first.
void decode_bmp_rle(const BmpLayout& layout, const std::uint8_t* file, std::size_t size, Bitmap& bitmap);

}  // namespace platform
