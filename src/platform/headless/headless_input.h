#pragma once
// Controls of the headless mouse, for tests and the script runner.
namespace platform::headless {

// While refused, the mouse device (and its input object) cannot be created.
void refuse_mouse(bool refused);

}  // namespace platform::headless
