#pragma once
// SDL's keys as the key codes of the program's key-down messages.
#include <SDL.h>

#include <cstdint>
#include <optional>

namespace platform::sdl {

// The key code a key-down message carries for the key; none for keys without one here (the
// program acts on F1, F3, F12 and the arrows, and reads Enter, Escape, Backspace and Tab as
// characters; other keys only need to be harmless).
std::optional<std::uintptr_t> key_code_of(SDL_Keycode key);

}  // namespace platform::sdl
