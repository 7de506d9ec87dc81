#pragma once
// The glyph table (glyph_table.h) the native build wrote, compiled into builds without a
// rasteriser.
#include <cstdint>
#include <span>

namespace platform {

std::span<const std::uint8_t> glyph_table_file();

}  // namespace platform
