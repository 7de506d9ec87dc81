#include "sound/sound_files.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "book/configuration.h"
#include "platform/files/whole_file.h"

namespace {

constexpr char wave_extension[] = ".WAV";

}  // namespace

bool sound_file_name(std::int32_t number, char (&name)[sound_name_size]) {
  name[0] = '\0';
  char digits[16];
  const auto converted = std::to_chars(digits, digits + sizeof digits, number);
  const std::size_t digit_count = static_cast<std::size_t>(converted.ptr - digits);
  const std::size_t prefix_length = strnlen(config.sound_prefix, sizeof config.sound_prefix);
  const std::size_t extension_length = sizeof wave_extension - 1;
  if (prefix_length + digit_count + extension_length > sound_name_size - 1) return false;
  char* end = std::copy_n(config.sound_prefix, prefix_length, name);
  end = std::copy_n(digits, digit_count, end);
  end = std::copy_n(wave_extension, extension_length, end);
  *end = '\0';
  return true;
}

std::int32_t sound_file_exists(std::int32_t number) {
  char name[sound_name_size];
  if (!sound_file_name(number, name)) return 0;
  return platform::file_opens_for_reading(name) ? 1 : 0;
}
