#include "platform/audio/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using platform::ChannelStatus;
using platform::ClipFormat;
using platform::Mixer;

constexpr std::uint32_t rate = 1000;

ClipFormat mono16(std::uint32_t frames_per_second = rate) { return {1, frames_per_second, 2, 16}; }
ClipFormat stereo16() { return {2, rate, 4, 16}; }
ClipFormat mono8() { return {1, rate, 1, 8}; }

std::vector<std::uint8_t> bytes16(const std::vector<std::int16_t>& samples) {
  std::vector<std::uint8_t> bytes;
  for (std::int16_t s : samples) {
    bytes.push_back(static_cast<std::uint8_t>(s & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  return bytes;
}

// A mixer at `rate` with one 16-bit mono clip on channel 1.
struct OneClip {
  explicit OneClip(const std::vector<std::int16_t>& samples, std::uint32_t frequency = rate) {
    mixer.set_output_rate(rate);
    const auto bytes = bytes16(samples);
    EXPECT_TRUE(mixer.load(1, mono16(), static_cast<std::uint32_t>(bytes.size()), bytes));
    mixer.set_frequency(1, frequency);
  }
  std::vector<std::int16_t> left(std::size_t frames) {
    std::vector<std::int16_t> out(2 * frames);
    last = mixer.mix(out.data(), frames);
    std::vector<std::int16_t> l;
    for (std::size_t i = 0; i < frames; ++i) l.push_back(out[2 * i]);
    return l;
  }
  Mixer mixer;
  platform::MixReport last;
};

using Samples = std::vector<std::int16_t>;

TEST(MixerResampling, HalfRateInterpolatesBetweenFramesAndFadesToSilenceAtTheEnd) {
  OneClip clip({0, 1000, 2000, 3000}, rate / 2);
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(10), (Samples{0, 500, 1000, 1500, 2000, 2500, 3000, 1500, 0, 0}));
  ASSERT_EQ(clip.last.end_count, 1);
  EXPECT_EQ(clip.last.ends[0].channel, 1);
  EXPECT_EQ(clip.last.ends[0].frame, 8u);
}

TEST(MixerResampling, DoubleRateSkipsEveryOtherFrame) {
  OneClip clip({10, 20, 30, 40, 50, 60}, rate * 2);
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(4), (Samples{10, 30, 50, 0}));
  EXPECT_EQ(clip.last.ends[0].frame, 3u);
}

TEST(MixerResampling, MonoFillsBothSidesAndStereoKeepsThemApart) {
  Mixer mixer;
  mixer.set_output_rate(rate);
  const auto mono = bytes16({1234, 1234});
  const auto stereo = bytes16({100, -200, 100, -200});
  ASSERT_TRUE(mixer.load(1, mono16(), 4, mono));
  ASSERT_TRUE(mixer.load(2, stereo16(), 8, stereo));
  mixer.play(1, true);
  mixer.play(2, true);
  std::int16_t out[2];
  mixer.mix(out, 1);
  EXPECT_EQ(out[0], 1334);
  EXPECT_EQ(out[1], 1034);
}

TEST(MixerResampling, EightBitSamplesAreUnsignedAroundTheMiddle) {
  Mixer mixer;
  mixer.set_output_rate(rate);
  const std::vector<std::uint8_t> clip = {0, 128, 255, 128};
  ASSERT_TRUE(mixer.load(1, mono8(), 4, clip));
  mixer.play(1, false);
  std::int16_t out[8];
  mixer.mix(out, 4);
  EXPECT_EQ(out[0], -32768);
  EXPECT_EQ(out[2], 0);
  EXPECT_EQ(out[4], 32512);
  EXPECT_EQ(out[6], 0);
}

TEST(MixerLevels, SumsSaturateInsteadOfWrapping) {
  Mixer mixer;
  mixer.set_output_rate(rate);
  const auto loud = bytes16({30000, -30000});
  for (int channel = 1; channel <= 3; ++channel) {
    ASSERT_TRUE(mixer.load(channel, mono16(), 4, loud));
    mixer.play(channel, false);
  }
  std::int16_t out[4];
  mixer.mix(out, 2);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(out[2], -32768);
}

TEST(MixerLevels, VolumeScalesByTenToTheVolumeOverTwoThousand) {
  for (const std::int32_t volume : {0, -600, -2100, -10000}) {
    OneClip clip({20000, 20000});
    clip.mixer.set_volume(1, volume);
    clip.mixer.play(1, false);
    const double expected = 20000 * std::pow(10.0, volume / 2000.0);
    EXPECT_NEAR(clip.left(1)[0], expected, 2.0) << volume;
  }
}

TEST(MixerPlayback, LoopWrapsAndInterpolatesIntoTheClipsStart) {
  OneClip clip({0, 1000}, rate / 2);
  clip.mixer.play(1, true);
  EXPECT_EQ(clip.left(8), (Samples{0, 500, 1000, 500, 0, 500, 1000, 500}));
  EXPECT_EQ(clip.last.end_count, 0);
  EXPECT_EQ(clip.mixer.status(1), ChannelStatus::looping);
}

TEST(MixerPlayback, StopKeepsThePositionAndPlayGoesOnFromIt) {
  OneClip clip({1, 2, 3, 4, 5, 6});
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(2), (Samples{1, 2}));
  clip.mixer.stop(1);
  EXPECT_EQ(clip.left(2), (Samples{0, 0}));
  EXPECT_EQ(clip.mixer.position(1), 2u);
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(2), (Samples{3, 4}));
}

TEST(MixerPlayback, SingleplaybackEndStopsAndRewinds) {
  OneClip clip({7, 8, 9});
  clip.mixer.play(1, false);
  clip.left(5);
  EXPECT_EQ(clip.mixer.status(1), ChannelStatus::idle);
  EXPECT_EQ(clip.mixer.position(1), 0u);
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(2), (Samples{7, 8}));
}

TEST(MixerPlayback, PlayingOnceWhileLoopingEndsAtTheClipsEnd) {
  OneClip clip({5, 6, 7});
  clip.mixer.play(1, true);
  clip.left(4);
  clip.mixer.play(1, false);
  EXPECT_EQ(clip.left(3), (Samples{6, 7, 0}));
  EXPECT_EQ(clip.mixer.status(1), ChannelStatus::idle);
}

TEST(MixerPlayback, EndsAreReportedInTheOrderTheyHappen) {
  Mixer mixer;
  mixer.set_output_rate(rate);
  const auto longer = bytes16({1, 1, 1, 1, 1});
  const auto shorter = bytes16({1, 1});
  ASSERT_TRUE(mixer.load(1, mono16(), 10, longer));
  ASSERT_TRUE(mixer.load(3, mono16(), 4, shorter));
  mixer.play(1, false);
  mixer.play(3, false);
  std::int16_t out[20];
  const auto report = mixer.mix(out, 10);
  ASSERT_EQ(report.end_count, 2);
  EXPECT_EQ(report.ends[0].channel, 3);
  EXPECT_EQ(report.ends[0].frame, 2u);
  EXPECT_EQ(report.ends[1].channel, 1);
  EXPECT_EQ(report.ends[1].frame, 5u);
}

TEST(MixerPlayback, AdvanceMovesExactlyAsMixing) {
  for (const std::uint32_t frequency : {100u, 333u, 1000u, 22050u, 200000u}) {
    for (const bool looping : {false, true}) {
      std::vector<std::int16_t> samples(997, 3);
      OneClip mixed(samples, frequency);
      OneClip advanced(samples, frequency);
      mixed.mixer.play(1, looping);
      advanced.mixer.play(1, looping);
      for (const std::size_t frames : {1u, 700u, 4099u}) {
        mixed.left(frames);
        const auto report = advanced.mixer.advance(frames);
        EXPECT_EQ(mixed.mixer.position(1), advanced.mixer.position(1)) << frequency;
        EXPECT_EQ(mixed.mixer.status(1), advanced.mixer.status(1)) << frequency;
        EXPECT_EQ(mixed.last.end_count, report.end_count) << frequency;
        if (report.end_count == 1) {
          EXPECT_EQ(mixed.last.ends[0].frame, report.ends[0].frame);
        }
      }
    }
  }
}

TEST(MixerPlayback, OutputRateSetsTheLength) {
  OneClip clip(std::vector<std::int16_t>(441, 1), 44100);
  clip.mixer.set_output_rate(48000);
  clip.mixer.play(1, false);
  const auto report = clip.mixer.advance(1000);
  ASSERT_EQ(report.end_count, 1);
  EXPECT_EQ(report.ends[0].frame, 480u);
}

TEST(MixerClips, ShortDataPlaysSilenceForTheMissingPartAndIsNotAllocated) {
  Mixer mixer;
  mixer.set_output_rate(rate);
  const auto held = bytes16({900, 900});
  ASSERT_TRUE(mixer.load(1, mono16(), platform::max_clip_bytes, held));
  EXPECT_EQ(mixer.length(1), platform::max_clip_bytes / 2);
  EXPECT_EQ(mixer.stored_frames(1), 2u);
  mixer.play(1, false);
  std::int16_t out[8];
  mixer.mix(out, 4);
  EXPECT_EQ(out[0], 900);
  EXPECT_EQ(out[2], 900);
  EXPECT_EQ(out[4], 0);
  EXPECT_EQ(out[6], 0);
  EXPECT_EQ(mixer.status(1), ChannelStatus::playing);
}

TEST(MixerClips, RefusedClipsLeaveTheChannelEmpty) {
  Mixer mixer;
  const std::vector<std::uint8_t> bytes(64, 1);
  const ClipFormat refused[] = {
      {3, rate, 6, 16}, {1, rate, 3, 24}, {1, rate, 4, 16}, {1, 99, 2, 16}, {1, 200001, 2, 16}, {0, rate, 0, 8},
  };
  for (const ClipFormat& format : refused) {
    ASSERT_TRUE(mixer.load(1, mono16(), 64, bytes));
    EXPECT_FALSE(mixer.load(1, format, 64, bytes));
    EXPECT_FALSE(mixer.holds_clip(1));
  }
  EXPECT_FALSE(mixer.load(1, mono16(), platform::max_clip_bytes + 1, bytes));
  EXPECT_FALSE(mixer.load(1, mono16(), 3, bytes));
  EXPECT_TRUE(mixer.load(1, mono16(), platform::min_clip_bytes, bytes));
}

TEST(MixerClips, ATrailingPartialFrameIsNotPlayed) {
  Mixer mixer;
  const auto bytes = bytes16({1, 2, 3});
  ASSERT_TRUE(mixer.load(1, stereo16(), 6, bytes));
  EXPECT_EQ(mixer.length(1), 1u);
  EXPECT_EQ(mixer.stored_frames(1), 1u);
}

}  // namespace
