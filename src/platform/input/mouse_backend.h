#pragma once
// What a backend decides about the mouse.
namespace platform {

// Whether the machine offers a mouse device now; false refuses the device's creation.
bool backend_grant_mouse();

}  // namespace platform
