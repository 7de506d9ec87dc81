#pragma once
// Surfaces handed out through the display: the flip chain and off-screen surfaces. The
// program keeps them in slots (null = empty); every operation takes an empty slot
// quietly. Surfaces take the display's current format (display.h).
#include "platform/display/surface.h"

namespace platform {

// Largest side of an off-screen surface; bigger requests are refused as out of memory.
inline constexpr int max_surface_side = 8192;

// Creates the primary surface of a screen_width x screen_height flip chain with one
// back buffer, both black. Refused (null) without a display object in exclusive mode,
// while a primary exists, or when the display has no memory for it.
Surface* create_primary_surface();

// The back buffer attached to `primary`: the same surface on every call. Null for an
// empty slot, a surface that is not the primary, or when the display refuses it.
Surface* get_back_buffer(Surface* primary);

// Creates a black off-screen surface of w x h pixels in the display's format, without a
// colour key. Refused (null) without a display object, for w or h outside
// 1..max_surface_side, or when the display has no memory for it.
Surface* create_offscreen_surface(int w, int h);

// Gives the source colour key black to the surface, so keyed copies out of it leave
// black out. False for an empty slot.
bool set_color_key_black(Surface* surface);

// Releases the surface in the slot and clears the slot. Releasing the primary frees its
// back buffer too: the caller clears the back-buffer slot along with it. Releasing the
// back buffer alone only clears its slot; the chain keeps it.
void release_surface(Surface*& surface);

// A lost surface refuses copies, flips and text until it is restored. The primary and
// its back buffer are one chain: they are lost and restored together. An empty slot is
// never lost.
bool surface_lost(const Surface* surface);
void mark_surface_lost(Surface* surface);
// Makes a lost surface usable again. Software surfaces never give up their memory, so
// the pixels come back as they were; callers that need defined contents (a picture load)
// draw the whole surface afterwards anyway. False for an empty slot.
bool restore_surface(Surface* surface);

// Exchanges the two buffers of the chain in constant time, then shows the primary: the
// frame just composed is on screen and the back buffer holds the frame shown before.
// Refused (false, nothing exchanged) for anything but the chain's primary, or when the
// chain is lost.
bool flip(Surface* primary);

// Shows the primary as it is now, after drawing straight on it (cursor, prompt line,
// transition strips). Does nothing without a primary or while it is lost.
void present_primary();

// Whether text can be drawn on the surface now. False for an empty slot, a lost
// surface, or when the display gives no drawing context; the caller then skips its text.
bool text_context_available(const Surface* surface);

}  // namespace platform
