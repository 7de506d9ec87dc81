#pragma once
// Sounds are named by number: the file of sound n is the configured prefix, n in decimal and
// ".WAV", as every book's files are named.
#include <cstdint>

// The name is built in a 40-byte buffer, as books were made for: at most 39 characters.
inline constexpr int sound_name_size = 40;

// Builds the file name of sound `number` into `name`, zero-terminated. False (name empty) when
// it would be longer than 39 characters: such a sound counts as a missing file (mended fault
// "No access outside a buffer").
bool sound_file_name(std::int32_t number, char (&name)[sound_name_size]);

// 1 if the file of sound `number` can be opened for reading, else 0. The contents are not
// looked at.
std::int32_t sound_file_exists(std::int32_t number);
