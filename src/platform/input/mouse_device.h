#pragma once
// The relative two-button mouse: a device with a small buffer of movement and button items,
// acquired while the program's window is active, and an event that tells the message wait
// that new items arrived. Handles live in the program's slots; null is an empty slot.
#include "platform/display/display.h"

namespace platform {

struct InputObject;
struct MouseDevice;
struct MouseEvent;

inline constexpr int mouse_buffer_items = 16;

// Each refused (null / false) when the backend has no mouse.
InputObject* create_input_object();
MouseDevice* create_mouse_device(InputObject* input, Window* window);
MouseEvent* create_mouse_event();
bool set_mouse_notification(MouseDevice* device, MouseEvent* event);
// Items beyond the buffer's size are lost (the newest), as a full device buffer drops them.
bool set_mouse_buffer_size(MouseDevice* device, int items);

void release_input_object(InputObject*& input);
void release_mouse_device(MouseDevice*& device);
void close_mouse_event(MouseEvent*& event);

// Only an acquired device collects items; unacquiring empties its buffer.
bool acquire_mouse(MouseDevice* device);
void unacquire_mouse(MouseDevice* device);

enum class MouseItemKind { x_axis, y_axis, button_0, button_1, other };
struct MouseItem {
  MouseItemKind kind = MouseItemKind::other;
  int data = 0;  // counts for an axis; bit 0x80 set for a pressed button
};

enum class MouseReadResult { item, empty, input_lost, failed };
// Takes the oldest buffered item. input_lost: another application took the device (it is no
// longer acquired); failed: no device or not acquired.
MouseReadResult read_mouse_item(MouseDevice* device, MouseItem& item);

// Backend side: hands one item from the real mouse (or the script) to the device, which keeps
// it if acquired and signals its event. True when the item went into the buffer (acquired and
// not full), so a backend can tell which movements the program will see.
bool deliver_mouse_item(const MouseItem& item);
// Backend side: another application took the mouse; the next read reports input_lost.
void mouse_input_lost();
// Whether the event is signalled; taking it resets it (an auto-reset event).
bool take_mouse_event();

}  // namespace platform
