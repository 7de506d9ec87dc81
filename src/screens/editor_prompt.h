#pragma once
// The editor's number prompts: a question near the top of the screen and the number being
// typed, drawn straight onto the screen; Enter stores the number, Escape gives up.
#include <cstdint>

// Handles one typed character for prompt `prompt`, or only redraws the prompt (character 0).
void prompt_key(std::uint8_t character, std::uint8_t prompt);

// Opens a prompt: effect sound 6, the number it stores into as decimal text, then drawn.
void start_entry(std::uint8_t prompt);
