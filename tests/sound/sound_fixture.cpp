#include "sound_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "book/configuration.h"
#include "book/page_table.h"
#include "platform/headless/headless_audio.h"
#include "sound/sound_channels.h"
#include "sound/sound_state.h"

namespace sound_test {

void make_wave_file(const std::string& path, const char* format, double seconds) {
  std::ostringstream command;
  command << "sox -R -n " << format << " -t wav '" << path << "' synth " << seconds << " sine 440";
  ASSERT_EQ(std::system(command.str().c_str()), 0) << "sox is needed for the sound tests: " << command.str();
}

Bytes read_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void write_bytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void put_u16(Bytes& bytes, std::size_t offset, std::uint16_t value) {
  bytes.at(offset) = static_cast<std::uint8_t>(value & 0xFF);
  bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void put_u32(Bytes& bytes, std::size_t offset, std::uint32_t value) {
  put_u16(bytes, offset, static_cast<std::uint16_t>(value & 0xFFFF));
  put_u16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

SoundTest::SoundTest() {
  reset_configuration();
  set_default_names();
  reset_page_table();
  reset_sound_state();
  platform::headless::refuse_audio_device(false);
}

SoundTest::~SoundTest() { sound_shutdown(); }

std::string SoundTest::file_of(std::int32_t number) { return "bsou" + std::to_string(number) + ".WAV"; }

void SoundTest::make_sound(std::int32_t number, const char* format, double seconds) {
  make_wave_file(dir_.file(file_of(number)), format, seconds);
}

}  // namespace sound_test
