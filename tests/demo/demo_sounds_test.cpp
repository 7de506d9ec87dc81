// The demo's sounds: formats the program reads, played at their own pitch, quiet at both ends
// (no clicks), and loops that join without a jump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "demo/demo_sounds.h"
#include "sound/wave_file.h"

namespace {

using demo::SoundFile;

// The largest step from one frame to the next within frames [from, to).
double largest_step(const demo::Clip& c, std::size_t from, std::size_t to) {
  const auto channels = static_cast<std::size_t>(c.channels);
  double step = 0;
  for (std::size_t frame = std::max<std::size_t>(from, 1); frame < to && frame < c.frames(); ++frame)
    for (std::size_t ch = 0; ch < channels; ++ch)
      step = std::max(step, std::abs(c.samples[frame * channels + ch] - c.samples[(frame - 1) * channels + ch]));
  return step;
}

double seam(const demo::Clip& c) {
  double jump = 0;
  for (int ch = 0; ch < c.channels; ++ch)
    jump = std::max(jump, std::abs(c.samples[c.samples.size() - static_cast<std::size_t>(c.channels - ch)] -
                                   c.samples[static_cast<std::size_t>(ch)]));
  return jump;
}

double loudest_end(const demo::Clip& c) {
  double level = 0;
  for (int ch = 0; ch < c.channels; ++ch)
    level = std::max({level, std::abs(c.samples[static_cast<std::size_t>(ch)]),
                      std::abs(c.samples[c.samples.size() - static_cast<std::size_t>(c.channels - ch)])});
  return level;
}

TEST(DemoSounds, EveryFileIsPcmAt22050HzInAMixOfFormats) {
  std::set<int> numbers, bits, channels;
  for (const auto& group : {demo::effect_sounds(), demo::music_sounds(), demo::page_wave_sounds()})
    for (const SoundFile& sound : group) {
      const std::vector<std::uint8_t> file = demo::encode_wav(sound.clip, sound.bits_per_sample);
      WaveLayout layout;
      ASSERT_TRUE(parse_wave(file, layout)) << sound.number;
      EXPECT_EQ(layout.samples_per_second, 22050u) << sound.number;
      EXPECT_EQ(layout.data_size, sound.clip.frames() * layout.block_align) << sound.number;
      numbers.insert(sound.number);
      bits.insert(layout.bits_per_sample);
      channels.insert(layout.channels);
    }
  for (int n : {1, 2, 3, 4, 5, 6, 7, 100}) EXPECT_TRUE(numbers.count(n)) << n;
  EXPECT_EQ(bits, (std::set<int>{8, 16}));
  EXPECT_EQ(channels, (std::set<int>{1, 2}));
}

TEST(DemoSounds, ShortSoundsStartAndEndInSilenceAndStayShort) {
  for (const auto& group : {demo::effect_sounds(), demo::page_wave_sounds()})
    for (const SoundFile& sound : group) {
      EXPECT_LT(loudest_end(sound.clip), 0.01) << sound.number;
      EXPECT_LT(sound.clip.frames(), 4u * demo::demo_sample_rate) << sound.number;
      EXPECT_GT(largest_step(sound.clip, 0, sound.clip.frames()), 0.005) << sound.number << " is not silent";
    }
}

TEST(DemoSounds, LoopsJoinWithoutAJumpAndLastSeconds) {
  constexpr std::size_t near = 200;
  for (const SoundFile& sound : demo::music_sounds()) {
    const std::size_t frames = sound.clip.frames();
    // From the last frame to the first the sound moves on as it did just before the end.
    EXPECT_LE(seam(sound.clip), largest_step(sound.clip, frames - near, frames))
        << sound.number << " jumps where it repeats";
    const double seconds = static_cast<double>(sound.clip.frames()) / demo::demo_sample_rate;
    EXPECT_GE(seconds, 4) << sound.number;
    EXPECT_LE(seconds, 20) << sound.number;
  }
}

}  // namespace
