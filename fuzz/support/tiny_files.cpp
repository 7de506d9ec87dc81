#include "tiny_files.h"

#include <cstdint>
#include <string>

#include "book/configuration.h"
#include "book/text_page.h"
#include "graphics/picture_files.h"
#include "sound/sound_files.h"
#include "started_program.h"

namespace {

void put_le(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::string bmp24(int width, int height, std::uint8_t shade) {
  const int row_bytes = (width * 3 + 3) / 4 * 4;
  const auto data_size = static_cast<std::uint32_t>(row_bytes * height);
  std::string bytes = "BM";
  put_le(bytes, 54 + data_size, 4);
  put_le(bytes, 0, 4);
  put_le(bytes, 54, 4);
  put_le(bytes, 40, 4);
  put_le(bytes, static_cast<std::uint32_t>(width), 4);
  put_le(bytes, static_cast<std::uint32_t>(height), 4);
  put_le(bytes, 1, 2);
  put_le(bytes, 24, 2);
  put_le(bytes, 0, 4);
  put_le(bytes, data_size, 4);
  put_le(bytes, 0, 16);
  bytes.append(data_size, static_cast<char>(shade));
  return bytes;
}

std::string wav8(int samples) {
  std::string bytes = "RIFF";
  put_le(bytes, static_cast<std::uint32_t>(36 + samples), 4);
  bytes += "WAVEfmt ";
  put_le(bytes, 16, 4);
  put_le(bytes, 1, 2);  // PCM
  put_le(bytes, 1, 2);  // mono
  put_le(bytes, 22050, 4);
  put_le(bytes, 22050, 4);
  put_le(bytes, 1, 2);
  put_le(bytes, 8, 2);
  bytes += "data";
  put_le(bytes, static_cast<std::uint32_t>(samples), 4);
  for (int i = 0; i < samples; ++i) bytes += static_cast<char>(i * 7 & 0xFF);
  return bytes;
}

void write(const char* name, const std::string& bytes) { write_scratch_file(name, bytes.data(), bytes.size()); }

void write_picture(const char* prefix, std::int32_t number, const std::string& bytes) {
  char name[picture_name_room + 1];
  if (build_picture_file_name(prefix, number, name)) write(name, bytes);
}

}  // namespace

void write_tiny_book_files() {
  write_picture(config.picture_prefix, 10, bmp24(4, 3, 0x40));
  write_picture(config.picture_prefix, 11, bmp24(200, 100, 0x80));
  write_picture(config.picture_prefix, 12, bmp24(1100, 2, 0xC0));
  for (std::int32_t box = 20; box <= 23; ++box)
    write_picture(config.box_picture_prefix, box, bmp24(30 + box, 20, static_cast<std::uint8_t>(box)));
  for (std::int32_t sound = 5; sound <= 6; ++sound) {
    char name[sound_name_size];
    if (sound_file_name(sound, name)) write(name, wav8(300 * sound));
  }
  char text_name[text_file_name_room + 1];
  if (build_text_file_name(config.text_file_prefix, 7, text_name))
    write(text_name, "40\n60\n3\n255\n255\n0\nEIN TEXT\n\nMIT ZWEI ZEILEN\n#\n");
}
