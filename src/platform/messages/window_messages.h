#pragma once
// The program's message queue: window messages posted to the program's windows, taken out
// one at a time by the message pump and handed to the one window procedure. The message and
// key names are the ones the program's window procedure is written against.
#include <cstdint>

#include "platform/display/display.h"

namespace platform {

inline constexpr std::uint32_t WM_DESTROY = 0x0002;
inline constexpr std::uint32_t WM_ACTIVATE = 0x0006;
inline constexpr std::uint32_t WM_CLOSE = 0x0010;
inline constexpr std::uint32_t WM_QUIT = 0x0012;
inline constexpr std::uint32_t WM_KEYDOWN = 0x0100;
inline constexpr std::uint32_t WM_CHAR = 0x0102;
inline constexpr std::uint32_t WM_TIMER = 0x0113;
// The first of the program's own messages.
inline constexpr std::uint32_t WM_USER = 0x0400;

// First parameter of WM_ACTIVATE.
inline constexpr std::uintptr_t WA_INACTIVE = 0;
inline constexpr std::uintptr_t WA_ACTIVE = 1;
inline constexpr std::uintptr_t WA_CLICKACTIVE = 2;

// Key codes: the first parameter of WM_KEYDOWN.
inline constexpr std::uintptr_t VK_BACK = 0x08;
inline constexpr std::uintptr_t VK_TAB = 0x09;
inline constexpr std::uintptr_t VK_RETURN = 0x0D;
inline constexpr std::uintptr_t VK_ESCAPE = 0x1B;
inline constexpr std::uintptr_t VK_LEFT = 0x25;
inline constexpr std::uintptr_t VK_UP = 0x26;
inline constexpr std::uintptr_t VK_RIGHT = 0x27;
inline constexpr std::uintptr_t VK_DOWN = 0x28;
inline constexpr std::uintptr_t VK_F1 = 0x70;
inline constexpr std::uintptr_t VK_F3 = 0x72;
inline constexpr std::uintptr_t VK_F12 = 0x7B;

struct Message {
  // Null for a message to the program rather than to a window (the quit message).
  Window* window = nullptr;
  std::uint32_t message = 0;
  std::uintptr_t first_parameter = 0;
  std::intptr_t second_parameter = 0;
};

using WindowProcedure = std::intptr_t (*)(Window* window, std::uint32_t message,
                                          std::uintptr_t first_parameter,
                                          std::intptr_t second_parameter);

// Whether the window exists and can take messages: created and not yet destroyed.
bool is_live_window(Window* window);

// The procedure every window's messages go to; null: messages are taken but go nowhere.
void register_window_procedure(WindowProcedure procedure);

// Appends a message for a live window (or, with a null window, for the program). False for
// a window that does not exist (never created or destroyed).
bool post_message(Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                  std::intptr_t second_parameter);

// Asks the pump to end: WM_QUIT with `exit_code` as its first parameter comes after every
// message posted before it, once.
void post_quit_message(int exit_code);

// Takes the next message: posted messages in order, then the quit message, then one
// WM_TIMER of a timer whose tick is due (timers.h). False when there is none.
bool peek_message(Message& message);

// A key that stands for a character (Enter, Escape, Backspace, Tab) posts WM_CHAR with it
// (13, 27, 8, 9) to the key's window; true when it did. Other keys have no character here:
// typed characters arrive from the backend as WM_CHAR themselves.
bool translate_message(const Message& message);

// Hands the message to the window procedure and returns its result; 0 when the window no
// longer exists or no procedure is registered.
std::intptr_t dispatch_message(const Message& message);

// Calls the window procedure at once, bypassing the queue; 0 as for dispatch_message.
std::intptr_t send_message(Window* window, std::uint32_t message, std::uintptr_t first_parameter,
                           std::intptr_t second_parameter);

// What a window does with a message its procedure passes on: WM_CLOSE destroys the window
// (which sends WM_DESTROY before it returns); everything else returns 0.
std::intptr_t default_window_procedure(Window* window, std::uint32_t message,
                                       std::uintptr_t first_parameter,
                                       std::intptr_t second_parameter);

// Shows the window: like the system showing a top-level window, this activates it, so the
// procedure receives WM_ACTIVATE with WA_ACTIVE before the call returns.
void show_window(Window* window);

// Start-up values: no procedure, an empty queue, no quit request, no timers. Windows that
// exist stay known: they belong to the backend.
void reset_messages();

}  // namespace platform
