#pragma once
// Font files taken from Debian packages at build time and compiled into the program, so the
// player never depends on fonts installed where it runs.
#include <cstdint>
#include <span>

namespace platform {

// Liberation Mono Bold, a TrueType file.
std::span<const std::uint8_t> mono_bold_font_file();
// The Latin-1 console font Lat15-VGA16 (8 x 16), a gzip'ed PSF file.
std::span<const std::uint8_t> console_font_file();

}  // namespace platform
