#pragma once
// Rectangle copies between surfaces, all-or-nothing: nothing is clipped. A copy that
// cannot be done whole draws nothing and reports nothing to the program.
#include "platform/display/surface.h"

namespace platform {

// Copies the w x h pixels at (sx, sy) of `source` to (dx, dy) of `destination`, in
// pixels with the origin at the top left. Draws nothing when:
//  - either surface is missing (null) or lost;
//  - w or h is 0 or less;
//  - the source rectangle is not wholly inside the source, or the destination
//    rectangle not wholly inside the destination (any int32 values are safe);
//  - the two surfaces have different pixel formats.
// Source and destination may be the same surface, overlapping or not: the result is as
// if the source rectangle had been read whole before anything was written.
// Returns whether the pixels were copied; the program is free to ignore it.
bool copy_rect(const Surface* source, int sx, int sy, int w, int h, Surface* destination, int dx,
               int dy);

// The same copy leaving out the source's black pixels (the source colour key black; the
// unused top byte of an xrgb8888 pixel does not count). Draws nothing, besides the cases
// of copy_rect, when the source has no colour key, as the display refused such a copy.
bool copy_rect_keyed(const Surface* source, int sx, int sy, int w, int h, Surface* destination,
                     int dx, int dy);

}  // namespace platform
