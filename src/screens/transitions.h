#pragma once
// Transition effects: instead of flipping, a wipe copies the frame in the back buffer onto
// the screen strip by strip (or block by block), pausing as it goes. The back buffer keeps
// the frame, so afterwards both buffers hold it.
#include <cstdint>
#include <optional>

inline constexpr int wipe_rects_per_step = 2;

struct WipeRect {
  std::int32_t x = 0, y = 0, width = 0, height = 0;
};

// What one step copies, in this order, at the same position in both surfaces.
struct WipeStep {
  int rect_count = 0;
  WipeRect rects[wipe_rects_per_step];
};

struct WipePlan {
  int passes = 1;
  int steps_per_pass = 0;
  int steps_per_pause = 8;  // the step counter of a pass pauses after this many steps
  std::int64_t pause_ms = 0;
};

// The pause between the passes of an interlaced wipe.
inline constexpr std::int64_t wipe_pass_pause_ms = 60;

// The plan of effects 1..8; nothing for any other number, which presents with a plain flip.
std::optional<WipePlan> wipe_plan(std::int32_t effect);

// Step i of pass `pass` of an effect wipe_plan knows, both inside its plan.
WipeStep wipe_step(std::int32_t effect, int pass, int i);

// Presents the frame in the back buffer with the effect, hiding the cursor while it runs;
// afterwards the next wait for a click draws the cursor afresh.
void run_transition(std::int32_t effect);
