#pragma once
// What each audio backend supplies to the shared channel code: the device, a guard around
// every channel operation, and a place for the operations' record. Exactly one backend is
// linked.
#include <cstdint>
#include <string_view>

#include "platform/audio/mixer.h"

namespace platform::audio_backend {

// Opens the device, sets the mixer's output rate and starts pulling from it. False: no device.
bool open_device(Mixer& mixer);
void close_device();

// Around every channel operation. The real device keeps its audio thread out of the mixer;
// the headless device first brings the mixer up to the clock's present.
void enter();
void leave();

enum class ChannelEvent { load, empty, play_once, play_loop, stop, volume };

// A request the channel code carried out. `value` is the volume for ChannelEvent::volume;
// `name` the file name for ChannelEvent::load.
void record(int channel, ChannelEvent event, std::int32_t value, std::string_view name);

}  // namespace platform::audio_backend
