// Processors without the vector rows (the web build's): the plain loop copies every pixel.
#include "platform/display/keyed_rows_avx2.h"

namespace platform::keyed_vector {

bool vector_rows_available() { return false; }

int copy_keyed_xrgb8888(const std::uint8_t*, std::uint8_t*, int) { return 0; }
int copy_keyed_rgb565(const std::uint8_t*, std::uint8_t*, int) { return 0; }

}  // namespace platform::keyed_vector
