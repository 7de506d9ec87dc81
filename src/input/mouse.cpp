#include "input/mouse.h"

MouseObjects mouse_objects;
MouseState mouse;

void reset_mouse_state() { mouse = MouseState{}; }

std::int32_t mouse_init(platform::Window* window) {
  mouse_objects.input = platform::create_input_object();
  if (!mouse_objects.input) return 0;
  mouse_objects.device = platform::create_mouse_device(mouse_objects.input, window);
  if (!mouse_objects.device) return 0;
  mouse_objects.event = platform::create_mouse_event();
  if (!mouse_objects.event) return 0;
  if (!platform::set_mouse_notification(mouse_objects.device, mouse_objects.event)) return 0;
  if (!platform::set_mouse_buffer_size(mouse_objects.device, platform::mouse_buffer_items)) return 0;
  return 1;
}

void mouse_release() {
  platform::release_input_object(mouse_objects.input);
  platform::release_mouse_device(mouse_objects.device);
  platform::close_mouse_event(mouse_objects.event);
}
