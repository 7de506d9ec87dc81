#pragma once
// The file names the player builds from the configured prefixes; empty when a name would be
// too long to open.
#include <cstdint>
#include <string>

namespace check {

std::string picture_file(std::int64_t number);
std::string box_picture_file(std::int64_t number);
std::string sound_file(std::int32_t number);
std::string text_file(std::int32_t number);

}  // namespace check
