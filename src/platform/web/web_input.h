#pragma once
// Input from the page (and from a script played in it) into the program's mouse device and
// message queue. Internal to the web backend.
#include <cstdint>

namespace platform::web {

// A relative movement of the device, in counts; the program's pointer copy follows it.
void move_by(std::int32_t dx, std::int32_t dy);
// A press (true) or release of button 0 (left) or 1 (right).
void press(int button, bool pressed);
void post_to_window(std::uint32_t message, std::uintptr_t first_parameter);

}  // namespace platform::web
