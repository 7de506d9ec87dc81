#include "platform/sdl/sdl_keys.h"

#include "platform/messages/window_messages.h"

namespace platform::sdl {

namespace {

// Key codes of keys the program has no name for.
constexpr std::uintptr_t shift_key = 0x10;
constexpr std::uintptr_t control_key = 0x11;
constexpr std::uintptr_t space_key = 0x20;
constexpr std::uintptr_t page_up_key = 0x21;
constexpr std::uintptr_t page_down_key = 0x22;
constexpr std::uintptr_t end_key = 0x23;
constexpr std::uintptr_t home_key = 0x24;
constexpr std::uintptr_t insert_key = 0x2D;
constexpr std::uintptr_t delete_key = 0x2E;
constexpr std::uintptr_t keypad_0_key = 0x60;

}  // namespace

std::optional<std::uintptr_t> key_code_of(SDL_Keycode key) {
  // Letters and digits carry their upper-case character as code.
  if (key >= SDLK_a && key <= SDLK_z) return std::uintptr_t('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return std::uintptr_t('0' + (key - SDLK_0));
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + std::uintptr_t(key - SDLK_F1);
  // F13 follows F12 in the key codes but not in SDL's.
  if (key >= SDLK_F13 && key <= SDLK_F24) return VK_F12 + 1 + std::uintptr_t(key - SDLK_F13);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return keypad_0_key + 1 + std::uintptr_t(key - SDLK_KP_1);
  switch (key) {
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_UP: return VK_UP;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return space_key;
    case SDLK_PAGEUP: return page_up_key;
    case SDLK_PAGEDOWN: return page_down_key;
    case SDLK_END: return end_key;
    case SDLK_HOME: return home_key;
    case SDLK_INSERT: return insert_key;
    case SDLK_DELETE: return delete_key;
    case SDLK_KP_0: return keypad_0_key;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return shift_key;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return control_key;
    default: return std::nullopt;
  }
}

}  // namespace platform::sdl
