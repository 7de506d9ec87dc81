#pragma once
// Text output on a surface with the program's four fixed-pitch fonts.
//
// Units are pixels of the surface. Text is a run of Windows-1252 bytes, drawn one character
// cell per byte; no byte is special (a zero or a line end draws its glyph like any other).
// The fonts load on first use and are shared by the whole (single-threaded) process.
#include "platform/display/surface.h"

namespace platform {

enum class FontId { system_font, font_small, font_medium, font_large };

// Draws `length` bytes with the top-left corner of the first character cell at (x, y); the
// baseline lies at y + the font's ascent, and each character moves right by
// font_advance(font). Each byte maps through Windows-1252 to Unicode; a byte the code page
// leaves undefined, or whose character the font lacks, draws the font's missing-glyph box.
//
// Transparent background (opaque_background false): only the glyphs' pixels change,
// anti-aliased fonts blended with `colour` by coverage, the system font's pixels set to it.
// Opaque background: the cells (length * advance by line height) are first filled with
// white, then the glyphs drawn. Each colour component uses its low byte. Fully covered pixels
// take exactly `colour` (as packed for the surface's format).
//
// Any x and y in the int range are fine: only what lies inside the surface is drawn. A lost
// surface, a negative or zero length or a null text draws nothing.
void draw_text(Surface& s, int x, int y, FontId font, Rgb colour, bool opaque_background,
               const char* bytes, int length);

// Height of a character cell in pixels: 16 for the system font (an 8 x 16 console face whose
// baseline lies 12 pixels down, as the 8 x 15 fixed system font's did), 16, 24 and 32 for the
// small, medium and large fonts. 0 only if a font cannot be loaded.
int font_line_height(FontId font);
// Distance from one character to the next in pixels: 8, 8, 13 and 17.
int font_advance(FontId font);

// Frees every font and the rasteriser. Text drawn or measured afterwards loads the font again.
void release_fonts();

}  // namespace platform
