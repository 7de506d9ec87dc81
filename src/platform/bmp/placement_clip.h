#pragma once
// The part of a picture placed 1:1 at (x, y) that lands on a surface.
#include <algorithm>
#include <cstdint>

#include "platform/display/surface.h"

namespace platform {

struct PlacedPart {
  int left = 0, top = 0;  // on the surface
  int columns = 0, rows = 0;
  int first_column = 0, first_row = 0;  // in the picture

  bool empty() const { return columns <= 0 || rows <= 0; }
};

// 64-bit edges: a position near the int limits plus the picture's size must not overflow.
inline PlacedPart place_1to1(const Surface& surface, int width, int height, int x, int y) {
  const std::int64_t left = std::max<std::int64_t>(0, x);
  const std::int64_t top = std::max<std::int64_t>(0, y);
  const std::int64_t right = std::min<std::int64_t>(surface.width, std::int64_t{x} + width);
  const std::int64_t bottom = std::min<std::int64_t>(surface.height, std::int64_t{y} + height);
  if (left >= right || top >= bottom) return {};
  return {static_cast<int>(left),          static_cast<int>(top),        static_cast<int>(right - left),
          static_cast<int>(bottom - top), static_cast<int>(left - x), static_cast<int>(top - y)};
}

}  // namespace platform
