#pragma once
// Small pictures of the screen for the contact sheet.
#include "platform/display/surface.h"

namespace proof {

inline constexpr int thumbnail_scale = 4;  // 1024 x 768 becomes 256 x 192

// Each thumbnail pixel is the average of the `thumbnail_scale` x `thumbnail_scale` pixels it
// stands for.
platform::Surface make_thumbnail(const platform::Surface& screen);

}  // namespace proof
