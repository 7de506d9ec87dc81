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

void copy_from_atlas(const AtlasRect& part, platform::Surface* destination, std::int32_t x, std::int32_t y) {
  copy_rect(screen.interface_atlas, part.x, part.y, part.width, part.height, destination, x, y);
}

void copy_from_atlas_keyed(const AtlasRect& part, platform::Surface* destination, std::int32_t x, std::int32_t y) {
  copy_rect_keyed(screen.interface_atlas, part.x, part.y, part.width, part.height, destination, x, y);
}

void copy_whole_screen(platform::Surface* source, platform::Surface* destination) {
  copy_rect(source, 0, 0, platform::screen_width, platform::screen_height, destination, 0, 0);
}

void flip_primary() { platform::flip(screen.primary_surface); }
