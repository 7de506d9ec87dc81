#pragma once
// The display's state as the shared surface code sees it. Internal to platform/display.
#include "platform/display/surface.h"

namespace platform {

struct DisplayObject {
  bool exclusive = false;
  bool mode_switched = false;
  PixelFormat format = PixelFormat::xrgb8888;
};

// The display object that holds the display, or null.
const DisplayObject* held_display_object();

}  // namespace platform
