#pragma once
// The program's two rectangle copies, with the argument order its drawing code uses. A copy
// that cannot be done whole (missing or lost surface, rectangle not inside) draws nothing.
#include <cstdint>

#include "platform/display/surface.h"

void copy_rect(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
               std::int32_t height, platform::Surface* destination, std::int32_t dx, std::int32_t dy);
void copy_rect_keyed(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
                     std::int32_t height, platform::Surface* destination, std::int32_t dx,
                     std::int32_t dy);

// Presents the frame composed in the back buffer; failures are not looked at.
void flip_primary();
