#pragma once
// The program's two rectangle copies, with the argument order its drawing code uses. A copy
// that cannot be done whole (missing or lost surface, rectangle not inside) draws nothing.
#include <cstdint>

#include "graphics/atlas_layout.h"
#include "platform/display/surface.h"

void copy_rect(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
               std::int32_t height, platform::Surface* destination, std::int32_t dx, std::int32_t dy);
void copy_rect_keyed(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
                     std::int32_t height, platform::Surface* destination, std::int32_t dx,
                     std::int32_t dy);

// A part of the interface atlas to (x, y) of `destination`, opaque or colour-keyed.
void copy_from_atlas(const AtlasRect& part, platform::Surface* destination, std::int32_t x, std::int32_t y);
void copy_from_atlas_keyed(const AtlasRect& part, platform::Surface* destination, std::int32_t x, std::int32_t y);

// The whole screen-sized surface, opaquely.
void copy_whole_screen(platform::Surface* source, platform::Surface* destination);

// Presents the frame composed in the back buffer; failures are not looked at.
void flip_primary();
