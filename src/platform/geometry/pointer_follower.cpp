#include "platform/geometry/pointer_follower.h"

#include <algorithm>
#include <cmath>

#include "platform/display/surface.h"

namespace platform {

namespace {

// The program keeps its 16 x 16 cursor inside the frame.
constexpr std::int32_t cursor_size = 16;
constexpr std::int32_t last_x = screen_width - cursor_size - 1;
constexpr std::int32_t last_y = screen_height - cursor_size - 1;

std::int32_t step(std::int32_t at, std::int32_t counts, std::int32_t last) {
  const std::int64_t moved = std::int64_t{at} + 2 * std::int64_t{counts};
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, 0, last));
}

std::int32_t counts_between(std::int32_t at, double target, std::int32_t last) {
  const auto aim = static_cast<std::int32_t>(std::clamp(std::floor(target), 0.0, static_cast<double>(last)));
  // Truncating keeps the landing within one pixel of the aim on either side.
  return (aim - at) / 2;
}

}  // namespace

Counts PointerFollower::counts_to(double frame_x, double frame_y) const {
  return {counts_between(x_, frame_x, last_x), counts_between(y_, frame_y, last_y)};
}

void PointerFollower::moved_x(std::int32_t counts) { x_ = step(x_, counts, last_x); }

void PointerFollower::moved_y(std::int32_t counts) { y_ = step(y_, counts, last_y); }

}  // namespace platform
