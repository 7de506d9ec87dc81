#include "platform/audio/mixer_render.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

namespace render = platform::mixer_render;

constexpr std::size_t stored_frames = 1000;
constexpr std::size_t frames = 1300;  // at the widest step, still inside the stored frames

template <typename Sample, bool Stereo>
void expect_vector_loops_match(std::mt19937& random) {
  std::vector<Sample> samples(stored_frames * (Stereo ? 2 : 1));
  for (Sample& s : samples) s = static_cast<Sample>(random());
  for (const std::uint64_t step :
       {render::vector_step_limit, std::uint64_t{1972984955}, std::uint64_t{1} << 31, std::uint64_t{12345}}) {
    for (const std::int32_t gain : {32768, 11585, 0}) {
      const std::uint64_t position = (std::uint64_t{3} << 32) + random();
      std::vector<std::int32_t> left(frames, 7), right(frames, -7);
      std::vector<std::int32_t> vector_left = left, vector_right = right;
      render::render<Sample, Stereo>(left.data(), right.data(), frames, position, step, samples.data(), gain);
      const std::size_t done = render::render_vector<Sample, Stereo>(
          vector_left.data(), vector_right.data(), frames, position, step, samples.data(), stored_frames, gain);
      EXPECT_EQ(done % 8, 0u);
      render::render<Sample, Stereo>(vector_left.data() + done, vector_right.data() + done, frames - done,
                                     position + done * step, step, samples.data(), gain);
      EXPECT_EQ(vector_left, left) << step << " " << gain;
      EXPECT_EQ(vector_right, right) << step << " " << gain;
    }
  }
}

TEST(MixerVectorLoops, GiveTheScalarLoopsSamplesInEveryLayout) {
  if (!render::vector_loops_available()) GTEST_SKIP() << "no AVX2 on this processor";
  std::mt19937 random(7);
  expect_vector_loops_match<std::int16_t, true>(random);
  expect_vector_loops_match<std::int16_t, false>(random);
  expect_vector_loops_match<std::uint8_t, true>(random);
  expect_vector_loops_match<std::uint8_t, false>(random);
}

TEST(MixerVectorLoops, StopBeforeReadingPastTheStoredFrames) {
  if (!render::vector_loops_available()) GTEST_SKIP() << "no AVX2 on this processor";
  // Stored frames in a buffer of exactly that size: an overread shows under AddressSanitizer.
  std::vector<std::int16_t> samples(20, 100);
  std::vector<std::int32_t> left(64), right(64);
  const std::size_t done = render::render_vector<std::int16_t, true>(left.data(), right.data(), 64, 0,
                                                                      std::uint64_t{1} << 31, samples.data(), 10, 32768);
  EXPECT_EQ(done, 8u);
  EXPECT_EQ(left[0], 100);
}

}  // namespace
