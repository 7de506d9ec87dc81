#pragma once
// The texts the reader view draws over a page: the page's text page and the page number.
// Both draw through the frame's drawing context of the back buffer, which the caller has
// set to a transparent background; each selects its own font and colour.
#include "graphics/text_output.h"

// Loads and draws the current page's text page when it has one (text_file above 0): each
// line with a black shadow one pixel down and right, or "TEXTFEHLER" with the load's result.
void draw_text_page(DeviceContext& dc);

// "SEITE" with the current page number at the bottom left.
void draw_page_number(DeviceContext& dc);
