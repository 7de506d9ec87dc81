#pragma once
// Placing a checked BMP onto a surface, reading from its source only what lands there.
#include "platform/bmp/bmp.h"
#include "platform/bmp/bmp_layout.h"
#include "platform/bmp/bmp_source.h"

namespace platform {

// The picture at its own size with its top-left corner at (x, y); what falls outside the
// surface is cut off. Any int position is allowed.
void place_picture_1to1(const BmpLayout& layout, BmpSource& source, Surface& surface, int x, int y);

// The whole picture over the whole surface; each surface pixel shows the picture pixel that
// covers its centre.
void stretch_picture(const BmpLayout& layout, BmpSource& source, Surface& surface);

// A page picture: stretched when wider than screen_width or higher than screen_height,
// else 1:1 at (0, 0).
void place_page_picture(const BmpLayout& layout, BmpSource& source, Surface& surface);

// The whole picture in memory; nullopt above max_bmp_pixels.
std::optional<Bitmap> decode_whole_picture(const BmpLayout& layout, BmpSource& source);

}  // namespace platform
