#pragma once
// Surface is a plain record anyone can fill by hand, so operations that walk its pixels
// first check that the store really holds what the size claims.
#include <cstdint>

#include "platform/display/surface.h"

namespace platform {

inline bool store_covers_surface(const Surface& s) {
  if (s.width <= 0 || s.height <= 0) return false;
  const std::int64_t row_bytes = std::int64_t{s.width} * s.bytes_per_pixel();
  if (s.pitch < row_bytes) return false;
  return std::int64_t{s.pitch} * (s.height - 1) + row_bytes <=
         static_cast<std::int64_t>(s.pixels.size());
}

}  // namespace platform
