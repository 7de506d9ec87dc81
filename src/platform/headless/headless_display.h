#pragma once
// Controls and records of the headless display, for tests and the script runner. The
// program never sees these: to it the headless display is just a display.
#include <functional>
#include <vector>

#include "platform/display/surface.h"

namespace platform::headless {

// Start-up steps the headless display can be told to refuse. A refusal holds until
// reset_refusals().
enum class Refusal {
  window,
  display_object,
  exclusive_mode,
  mode_32_bit,
  mode_16_bit,
  primary_surface,
  back_buffer,
  // No drawing context for text on any surface (text_context_available is false).
  text_context,
};

void refuse(Refusal step);

// Refuses the nth off-screen surface (counting from 1) asked for through each display
// object: start-up's four are interface atlas, page surface, blink frames 0 and 1.
void refuse_offscreen_surface(int nth);

// Lifts every refusal.
void reset_refusals();

// What the headless display is doing now.
struct DisplayRecord {
  int windows_open = 0;
  bool display_open = false;
  bool exclusive = false;
  // True while the display mode is switched away from the one it had before.
  bool mode_switched = false;
  int mode_bits = 0;
  // Presents since the program started: flips and present_primary calls.
  long presents = 0;
};

DisplayRecord display_record();

// Called with the primary surface at every present from now on (null: no longer), so a test
// can see the frames a transition shows on its way.
void observe_presents(std::function<void(const Surface& primary)> observer);

}  // namespace platform::headless
