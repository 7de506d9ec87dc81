#include "platform/geometry/letterbox.h"

#include <cstdint>

#include "platform/display/surface.h"

namespace platform {

Letterbox fit_frame(int output_width, int output_height) {
  if (output_width <= 0 || output_height <= 0) return {};
  Letterbox box;
  // Compared in 64 bits: which side limits the fit, without rounding.
  if (std::int64_t{output_width} * screen_height <= std::int64_t{output_height} * screen_width) {
    box.width = output_width;
    box.height = static_cast<int>(std::int64_t{output_width} * screen_height / screen_width);
  } else {
    box.height = output_height;
    box.width = static_cast<int>(std::int64_t{output_height} * screen_width / screen_height);
  }
  box.x = (output_width - box.width) / 2;
  box.y = (output_height - box.height) / 2;
  box.integer_scale = box.width % screen_width == 0 && box.height % screen_height == 0 &&
                      box.width / screen_width == box.height / screen_height;
  return box;
}

FramePoint frame_point(const Letterbox& box, double output_x, double output_y) {
  if (box.width <= 0 || box.height <= 0) return {};
  return {(output_x - box.x) * screen_width / box.width, (output_y - box.y) * screen_height / box.height};
}

bool covers(const Letterbox& box, double output_x, double output_y) {
  return output_x >= box.x && output_x < box.x + box.width && output_y >= box.y && output_y < box.y + box.height;
}

}  // namespace platform
