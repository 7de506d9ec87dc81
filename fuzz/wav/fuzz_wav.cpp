// Any bytes as a sound file: the WAV parse, then the clip it yields loaded and mixed.
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/audio/mixer.h"
#include "sound/wave_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  WaveLayout wave;
  if (!parse_wave(file, wave)) return 0;
  const std::span<const std::uint8_t> samples = file.subspan(wave.data_offset);
  static platform::Mixer mixer;
  const platform::ClipFormat format{wave.channels, wave.samples_per_second, wave.block_align, wave.bits_per_sample};
  if (!mixer.load(1, format, wave.data_size, samples.first(samples.size() < wave.data_size ? samples.size() : wave.data_size))) {
    return 0;
  }
  mixer.set_frequency(1, 22050);
  mixer.play(1, (size & 1u) != 0);
  std::int16_t out[2 * 512];
  mixer.mix(out, 512);
  return 0;
}
