#include "platform/input/mouse_device.h"

#include <deque>

#include "platform/input/mouse_backend.h"

namespace platform {

struct InputObject {};
struct MouseEvent {
  bool signalled = false;
};
struct MouseDevice {
  MouseEvent* event = nullptr;
  int buffer_size = 0;
  bool acquired = false;
  bool lost = false;
  std::deque<MouseItem> items;
};

namespace {
// The program has one mouse; the backend's items go to it.
MouseDevice* the_device = nullptr;
}  // namespace

InputObject* create_input_object() { return backend_grant_mouse() ? new InputObject : nullptr; }

MouseDevice* create_mouse_device(InputObject* input, Window* window) {
  if (!input || !window || the_device || !backend_grant_mouse()) return nullptr;
  the_device = new MouseDevice;
  return the_device;
}

MouseEvent* create_mouse_event() { return new MouseEvent; }

bool set_mouse_notification(MouseDevice* device, MouseEvent* event) {
  if (!device) return false;
  device->event = event;
  return true;
}

bool set_mouse_buffer_size(MouseDevice* device, int items) {
  if (!device || items < 0) return false;
  device->buffer_size = items;
  return true;
}

void release_input_object(InputObject*& input) {
  delete input;
  input = nullptr;
}

void release_mouse_device(MouseDevice*& device) {
  if (!device) return;
  if (device == the_device) the_device = nullptr;
  delete device;
  device = nullptr;
}

void close_mouse_event(MouseEvent*& event) {
  if (!event) return;
  if (the_device && the_device->event == event) the_device->event = nullptr;
  delete event;
  event = nullptr;
}

bool acquire_mouse(MouseDevice* device) {
  if (!device) return false;
  device->acquired = true;
  device->lost = false;
  return true;
}

void unacquire_mouse(MouseDevice* device) {
  if (!device) return;
  device->acquired = false;
  device->items.clear();
}

MouseReadResult read_mouse_item(MouseDevice* device, MouseItem& item) {
  if (!device) return MouseReadResult::failed;
  if (device->lost) {
    device->lost = false;
    return MouseReadResult::input_lost;
  }
  if (!device->acquired) return MouseReadResult::failed;
  if (device->items.empty()) return MouseReadResult::empty;
  item = device->items.front();
  device->items.pop_front();
  return MouseReadResult::item;
}

bool deliver_mouse_item(const MouseItem& item) {
  MouseDevice* device = the_device;
  if (!device || !device->acquired) return false;
  const bool kept = static_cast<int>(device->items.size()) < device->buffer_size;
  if (kept) device->items.push_back(item);
  if (device->event) device->event->signalled = true;
  return kept;
}

void mouse_input_lost() {
  if (!the_device || !the_device->acquired) return;
  the_device->acquired = false;
  the_device->lost = true;
  the_device->items.clear();
  if (the_device->event) the_device->event->signalled = true;
}

bool take_mouse_event() {
  if (!the_device || !the_device->event || !the_device->event->signalled) return false;
  the_device->event->signalled = false;
  return true;
}

}  // namespace platform
