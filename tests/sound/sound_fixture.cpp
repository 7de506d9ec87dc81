#include "sound_fixture.h"

#include "book/configuration.h"
#include "book/page_table.h"
#include "platform/headless/headless_audio.h"
#include "sound/sound_channels.h"
#include "sound/sound_state.h"

namespace sound_test {

Bytes read_bytes(const std::string& path) {
  const std::string bytes = read_file(path);
  return Bytes(bytes.begin(), bytes.end());
}

void write_bytes(const std::string& path, const Bytes& bytes) { write_file(path, std::string(bytes.begin(), bytes.end())); }

SoundTest::SoundTest() {
  reset_configuration();
  set_default_names();
  reset_page_table();
  reset_sound_state();
  platform::headless::refuse_audio_device(false);
}

SoundTest::~SoundTest() { sound_shutdown(); }

std::string SoundTest::file_of(std::int32_t number) { return "bsou" + std::to_string(number) + ".WAV"; }

void SoundTest::make_sound(std::int32_t number, const WavFormat& format, double seconds) {
  dir_.write(file_of(number), make_wav(format, seconds));
}

}  // namespace sound_test
