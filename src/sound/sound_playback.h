#pragma once
// Starting and stopping channels, and the pool of effect channels.
#include <cstdint>

// The modes of channel_control.
inline constexpr std::int32_t play_once_mode = 0;
inline constexpr std::int32_t play_loop_mode = 1;
inline constexpr std::int32_t stop_mode = 2;
inline constexpr std::int32_t stop_all_mode = 99;

// The effect sounds the program asks for.
inline constexpr std::int32_t editor_button_sound = 4;
inline constexpr std::int32_t refused_action_sound = 5;
inline constexpr std::int32_t action_done_sound = 6;
inline constexpr std::int32_t page_turn_sound = 7;

// Plays `channel` once or looping from its position, stops it, or (stop_all_mode) stops all
// four. Channel 1 never plays while the music is switched off. Other modes do nothing.
void channel_control(std::int32_t channel, std::int32_t mode);

// Plays effect sound `number` once on the effect channel that holds it, else on the first idle
// one, else on channel 4, cutting off what it played.
void play_effect(std::int32_t number);
