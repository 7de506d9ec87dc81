#pragma once
// Where the 1024 x 768 frame goes on a window or screen of any size: the largest size that
// fits with the aspect kept, centred, black bars around it. Sizes are real pixels.
namespace platform {

struct Letterbox {
  int x = 0, y = 0, width = 0, height = 0;
  // Every frame pixel is a whole square of output pixels (1x, 2x, ...): drawn crisp.
  bool integer_scale = false;
};

// An output of no size gives an empty box.
Letterbox fit_frame(int output_width, int output_height);

struct FramePoint {
  double x = 0, y = 0;
};

// The frame pixel under an output pixel; outside the frame when the point lies on a bar.
FramePoint frame_point(const Letterbox& box, double output_x, double output_y);

bool covers(const Letterbox& box, double output_x, double output_y);

}  // namespace platform
