#pragma once
// The colour-keyed copy's rows on 256-bit vectors: each step compares eight (xrgb8888) or
// sixteen (rgb565) source pixels with black and blends them over the destination's, reading
// source and destination once and writing once. Same pixels as the plain loop.
#include <cstdint>

namespace platform::keyed_vector {

// Whether this processor runs them (AVX2).
bool vector_rows_available();

// Copy the non-black pixels of the first pixels of a row, a whole number of steps; return how
// many pixels that was, so the caller does the rest. Source and destination share no byte.
int copy_keyed_xrgb8888(const std::uint8_t* source, std::uint8_t* destination, int count);
int copy_keyed_rgb565(const std::uint8_t* source, std::uint8_t* destination, int count);

}  // namespace platform::keyed_vector
