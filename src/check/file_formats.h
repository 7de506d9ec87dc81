#pragma once
// Recognising the formats authors' files come in today, so a PNG or an MP3 under a name the
// player looks for can be named as what it is.
#include <cstdint>
#include <span>
#include <string>

namespace check {

enum class Medium { none, picture, sound };

struct FileFormat {
  Medium medium = Medium::none;
  std::string name;  // "a PNG picture"; empty when unknown
};

// What the first bytes of a file say it is. BMP and RIFF WAVE are named too.
FileFormat format_of_contents(std::span<const std::uint8_t> head);

// What a file name's extension says it is (".png", ".mp3" ...), whatever the letter case.
FileFormat format_of_extension(const std::string& file_name);

}  // namespace check
