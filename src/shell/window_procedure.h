#pragma once
// The window procedure of the program's only window: keyboard commands, typed characters for
// an open prompt, blink steps, mouse acquisition on activation, and the end of the program.
#include <cstdint>

#include "platform/display/display.h"

std::intptr_t window_procedure(platform::Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                               std::intptr_t second_parameter);
