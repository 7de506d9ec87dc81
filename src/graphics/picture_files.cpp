#include "graphics/picture_files.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "book/configuration.h"
#include "graphics/debug_output.h"
#include "graphics/screen_context.h"
#include "platform/bmp/bmp.h"
#include "platform/display/surfaces.h"

namespace {

platform::Surface* target_surface(int target) {
  return target == target_interface_atlas ? screen.interface_atlas : screen.page_surface;
}

}  // namespace

void forget_loaded_pictures() {
  for (auto& number : screen.loaded_picture) number = 0;
}

bool build_picture_file_name(const char* prefix, std::int64_t number, char (&name)[picture_name_room + 1]) {
  const std::uint64_t n = static_cast<std::uint64_t>(number < 0 ? -number : number);
  char zeros[8] = "";
  if (n < 10) std::strcat(zeros, "0000");
  if (n >= 10 && n < 100) std::strcat(zeros, "000");
  if (n >= 100 && n < 1000) std::strcat(zeros, "00");
  if (n > 990) std::strcat(zeros, "0");
  char built[picture_name_room * 2 + 64];
  const int length = std::snprintf(built, sizeof built, "%s%s%" PRIu64 ".BMP", prefix, zeros, n);
  if (length < 0 || length > picture_name_room) {
    name[0] = '\0';
    return false;
  }
  std::memcpy(name, built, static_cast<std::size_t>(length) + 1);
  return true;
}

int load_picture(int target, std::int32_t number) {
  if (target < 0 || target >= load_target_count) return 1;
  if (screen.loaded_picture[target] == number) return 255;
  char name[picture_name_room + 1];
  if (!build_picture_file_name(config.picture_prefix, number, name)) {
    debug_output("handle is null\n");
    return 1;
  }
  if (copy_bitmap_to_surface(target_surface(target), name) != 0) return 1;
  screen.loaded_picture[target] = number;
  return 0;
}

std::uint32_t copy_bitmap_to_surface(platform::Surface* surface, const char* name) {
  if (!surface || !name) {
    debug_output("handle is null\n");
    return load_failed_code;
  }
  platform::restore_surface(surface);
  if (!platform::text_context_available(surface)) {
    // Without the surface's context nothing is copied; tell a missing picture apart first.
    if (!platform::BmpFile::open(name)) {
      debug_output("handle is null\n");
      return load_failed_code;
    }
    debug_output("ddcopybitmap failed\n");
    return load_failed_code;
  }
  if (!platform::load_bmp_file_onto_surface(name, *surface)) {
    debug_output("handle is null\n");
    return load_failed_code;
  }
  return 0;
}

std::uint32_t blit_bitmap_file(platform::Surface* surface, const char* name, std::int32_t x, std::int32_t y) {
  const auto picture = name ? platform::BmpFile::open(name) : std::nullopt;
  if (!surface || !picture) {
    debug_output("handle is null\n");
    return load_failed_code;
  }
  platform::restore_surface(surface);
  if (!platform::text_context_available(surface)) {
    debug_output("ddcopybitmap failed\n");
    return load_failed_code;
  }
  if (!picture->copy_1to1(*surface, x, y)) {
    debug_output("handle is null\n");
    return load_failed_code;
  }
  return 0;
}

namespace {

void draw_box_onto(platform::Surface* surface, std::int64_t number, std::int32_t x, std::int32_t y) {
  char name[picture_name_room + 1];
  if (build_picture_file_name(config.box_picture_prefix, number, name))
    blit_bitmap_file(surface, name, x, y);
  else
    debug_output("handle is null\n");
}

}  // namespace

void draw_box_picture(std::int64_t number, std::int32_t x, std::int32_t y) {
  draw_box_onto(screen.back_buffer, number, x, y);
}

void draw_box_highlight(std::int64_t number, std::int32_t x, std::int32_t y) {
  draw_box_onto(screen.blink_frame_1, number, x, y);
}
