#pragma once
// Writes a surface as a PNG picture: what the screen shows, for proofing and tests.
#include <string>

#include "platform/display/surface.h"

namespace platform {

// Writes the whole surface as an 8-bit-per-channel RGB PNG of its own size (1024 x 768
// for the screen). rgb565 pixels are widened as read_pixel widens them. Replaces a file
// at `path`. False on any failure (empty or malformed surface, unwritable path), and
// then no partial file is left behind.
bool write_png(const Surface& surface, const std::string& path);

}  // namespace platform
