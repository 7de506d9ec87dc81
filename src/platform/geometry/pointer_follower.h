#pragma once
// In a window the program's pointer follows the system pointer. The program only takes
// relative counts, which it doubles and stops at the frame's edges less its cursor's size, so
// the backend keeps its own copy of where the program's pointer is, moved by every item the
// device took, and sends the counts that land it under the system pointer.
#include <cstdint>

namespace platform {

struct Counts {
  std::int32_t dx = 0, dy = 0;
};

class PointerFollower {
 public:
  // Counts that bring the program's pointer to the frame pixel (x, y), within the 2-pixel
  // step the doubling leaves. A point beyond the pointer's range aims at the nearest edge.
  Counts counts_to(double frame_x, double frame_y) const;

  // The device took a movement of this many counts on one axis.
  void moved_x(std::int32_t counts);
  void moved_y(std::int32_t counts);

  std::int32_t x() const { return x_; }
  std::int32_t y() const { return y_; }

 private:
  // Where the program's pointer starts, before any movement.
  std::int32_t x_ = 497;
  std::int32_t y_ = 369;
};

}  // namespace platform
