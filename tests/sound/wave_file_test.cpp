#include "sound/wave_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "sound_fixture.h"

namespace sound_test {
namespace {

Bytes wav_file(const WavFormat& format, double seconds) {
  const std::string bytes = make_wav(format, seconds);
  return Bytes(bytes.begin(), bytes.end());
}

// A file in an encoding the program does not read, as a real encoder (sox) writes it.
Bytes sox_file(const char* options) {
  test_support::TempDir dir;
  const std::string command = "sox -R -n " + std::string(options) + " -t wav '" + dir.file("made.wav") + "' synth 0.1 sine 440";
  EXPECT_EQ(std::system(command.c_str()), 0) << "sox is needed for this test: " << command;
  return read_bytes(dir.file("made.wav"));
}

bool parses(const Bytes& file, WaveLayout& layout) { return parse_wave(file, layout); }
bool parses(const Bytes& file) {
  WaveLayout layout;
  return parse_wave(file, layout);
}

// A chunk of `size` bytes of filler, with its pad byte when the size is odd.
Bytes chunk(const char* id, std::uint32_t size) {
  Bytes bytes(8 + size + (size & 1u), 0x55);
  std::copy(id, id + 4, bytes.begin());
  put_le(bytes, 4, size, 4);
  if (size & 1u) bytes.back() = 0;
  return bytes;
}

void insert(Bytes& file, std::size_t offset, const Bytes& bytes) {
  file.insert(file.begin() + static_cast<std::ptrdiff_t>(offset), bytes.begin(), bytes.end());
  put_le(file, riff_size_offset, static_cast<std::uint32_t>(file.size() - 8), 4);
}

TEST(WaveLayouts, EightBitMonoAndSixteenBitStereoAreReadFieldByField) {
  const Bytes mono = wav_file(mono8, 1.0);
  WaveLayout layout;
  ASSERT_TRUE(parses(mono, layout));
  EXPECT_EQ(layout.format_tag, pcm_format_tag);
  EXPECT_EQ(layout.channels, 1);
  EXPECT_EQ(layout.samples_per_second, 11025u);
  EXPECT_EQ(layout.average_bytes_per_second, 11025u);
  EXPECT_EQ(layout.block_align, 1);
  EXPECT_EQ(layout.bits_per_sample, 8);
  EXPECT_EQ(layout.data_offset, canonical_header_size);
  EXPECT_EQ(layout.data_size, 11025u);

  const Bytes stereo = wav_file(stereo16, 0.5);
  ASSERT_TRUE(parses(stereo, layout));
  EXPECT_EQ(layout.channels, 2);
  EXPECT_EQ(layout.samples_per_second, 44100u);
  EXPECT_EQ(layout.block_align, 4);
  EXPECT_EQ(layout.bits_per_sample, 16);
  EXPECT_EQ(layout.data_size, 88200u);
}

TEST(WaveLayouts, ALongerFormatChunkIsSkippedToTheSamples) {
  Bytes file = wav_file(stereo16, 0.1);
  // An 18-byte format record with its extra-size word, as many editors write.
  insert(file, format_tag_offset + 16, {0, 0});
  put_le(file, format_size_offset, 18, 4);
  WaveLayout layout;
  ASSERT_TRUE(parses(file, layout));
  EXPECT_EQ(layout.data_offset, canonical_header_size + 2);
  EXPECT_EQ(layout.data_size, 17640u);
}

TEST(WaveLayouts, ChunksBeforeTheSamplesAreWalkedWithTheirPadBytes) {
  Bytes file = wav_file(mono8, 0.1);
  insert(file, canonical_header_size - 8, chunk("LIST", 5));
  insert(file, 12, chunk("junk", 3));
  WaveLayout layout;
  ASSERT_TRUE(parses(file, layout));
  EXPECT_EQ(layout.data_offset, canonical_header_size + 12 + 14);
  EXPECT_EQ(layout.bits_per_sample, 8);
}

TEST(WaveLayouts, DeclaredSamplesPastTheEndOfTheFileAreLeftToTheLoader) {
  Bytes file = wav_file(mono8, 0.1);
  file.resize(file.size() - 500);
  WaveLayout layout;
  ASSERT_TRUE(parses(file, layout));
  EXPECT_EQ(layout.data_size, 1103u);
  EXPECT_EQ(layout.data_offset, canonical_header_size);
}

TEST(WaveRefusals, OnlyPcmFormatsLoad) {
  EXPECT_FALSE(parses(sox_file("-r 22050 -b 16 -c 3 -e signed-integer")));  // extensible
  EXPECT_FALSE(parses(sox_file("-r 22050 -c 1 -e ima-adpcm")));
  EXPECT_FALSE(parses(sox_file("-r 22050 -b 24 -c 1 -e signed-integer")));
  EXPECT_FALSE(parses(sox_file("-r 22050 -c 1 -e ms-adpcm")));
  // A stereo 16-bit file marked extensible: the tag alone decides.
  Bytes stereo = wav_file(stereo16, 0.1);
  put_le(stereo, format_tag_offset, 0xFFFE, 2);
  EXPECT_FALSE(parses(stereo));
}

TEST(WaveRefusals, TheStructureMustBeRiffWaveWithFormatThenData) {
  const Bytes good = wav_file(mono8, 0.1);
  ASSERT_TRUE(parses(good));

  Bytes not_riff = good;
  not_riff[0] = 'R' + 1;
  EXPECT_FALSE(parses(not_riff));
  Bytes not_wave = good;
  not_wave[8] = 'A';
  EXPECT_FALSE(parses(not_wave));
  Bytes short_format = good;
  put_le(short_format, format_size_offset, 14, 4);
  EXPECT_FALSE(parses(short_format));
  Bytes no_data = good;
  no_data[36] = 'x';
  EXPECT_FALSE(parses(no_data));

  // The samples are searched for after the format chunk only.
  Bytes data_first(good.begin(), good.begin() + 12);
  data_first.insert(data_first.end(), good.begin() + 36, good.end());
  data_first.insert(data_first.end(), good.begin() + 12, good.begin() + 36);
  EXPECT_FALSE(parses(data_first));

  // A RIFF chunk that ends before "data" does not reach it.
  Bytes short_riff = good;
  put_le(short_riff, riff_size_offset, 4 + 24, 4);
  EXPECT_FALSE(parses(short_riff));
}

TEST(WaveRefusals, EveryCutOfAFileIsReadInsideTheFile) {
  const Bytes good = wav_file(stereo16, 0.01);
  WaveLayout layout;
  for (std::size_t length = 0; length <= canonical_header_size + 8; ++length) {
    const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_EQ(parses(cut, layout), length >= canonical_header_size) << length;
  }
}

TEST(WaveRefusals, HugeChunkSizesEndTheWalkInsteadOfWrapping) {
  Bytes file = wav_file(mono8, 0.1);
  insert(file, 12, chunk("junk", 2));
  put_le(file, 16, 0xFFFFFFFF, 4);
  EXPECT_FALSE(parses(file));
  put_le(file, riff_size_offset, 0xFFFFFFFF, 4);
  EXPECT_FALSE(parses(file));
}

}  // namespace
}  // namespace sound_test
