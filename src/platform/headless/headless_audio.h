#pragma once
// Controls and the record of the headless audio device, for tests and the script runner. The
// device plays nothing; its channels move on with the virtual clock, which the record's times
// are taken from.
#include <string>

namespace platform::headless {

// While refused, opening the audio device fails (the program then runs silent).
void refuse_audio_device(bool refused);

// Starts writing the sound log to `path` (replacing the file), one line per channel event:
// "<ms> ch<N> <event>" with the virtual time in whole milliseconds. False when the file cannot
// be created. A log already being written is closed first.
bool start_sound_log(const std::string& path);

// Brings the channels up to the clock's present, so every playback that has run out by now is
// in the log, and writes the log out.
void flush_sound_log();

// As flush_sound_log, then closes the log.
void close_sound_log();

}  // namespace platform::headless
