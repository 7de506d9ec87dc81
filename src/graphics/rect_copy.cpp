#include "graphics/rect_copy.h"

#include "graphics/screen_context.h"
#include "platform/display/rect_copy.h"
#include "platform/display/surfaces.h"

void copy_rect(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
               std::int32_t height, platform::Surface* destination, std::int32_t dx, std::int32_t dy) {
  platform::copy_rect(source, sx, sy, width, height, destination, dx, dy);
}

void copy_rect_keyed(platform::Surface* source, std::int32_t sx, std::int32_t sy, std::int32_t width,
                     std::int32_t height, platform::Surface* destination, std::int32_t dx,
                     std::int32_t dy) {
  platform::copy_rect_keyed(source, sx, sy, width, height, destination, dx, dy);
}

void flip_primary() { platform::flip(screen.primary_surface); }
