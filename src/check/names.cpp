#include "check/names.h"

#include "book/configuration.h"
#include "book/text_page.h"
#include "graphics/picture_files.h"
#include "sound/sound_files.h"

namespace check {

std::string picture_file(std::int64_t number) {
  char name[picture_name_room + 1];
  return build_picture_file_name(config.picture_prefix, number, name) ? name : "";
}

std::string box_picture_file(std::int64_t number) {
  char name[picture_name_room + 1];
  return build_picture_file_name(config.box_picture_prefix, number, name) ? name : "";
}

std::string sound_file(std::int32_t number) {
  char name[sound_name_size];
  return sound_file_name(number, name) ? name : "";
}

std::string text_file(std::int32_t number) {
  char name[text_file_name_room + 1];
  return build_text_file_name(config.text_file_prefix, number, name) ? name : "";
}

}  // namespace check
