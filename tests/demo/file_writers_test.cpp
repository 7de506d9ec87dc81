// The demo's BMP and WAV files, read back by the program's own readers.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "demo/canvas.h"
#include "demo/file_formats.h"
#include "platform/bmp/bmp.h"
#include "sound/wave_file.h"

namespace {

using demo::Clip;
using platform::Rgb;

platform::Surface patterned(int width, int height) {
  platform::Surface s = demo::make_canvas(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) platform::write_pixel(s, x, y, {x * 40 % 256, y * 50 % 256, (x + y) * 7 % 256});
  return s;
}

std::uint32_t packed(Rgb c) { return static_cast<std::uint32_t>(c.r << 16 | c.g << 8 | c.b); }

std::vector<std::uint8_t> data_of(const std::vector<std::uint8_t>& file, const WaveLayout& layout) {
  return {file.begin() + static_cast<long>(layout.data_offset),
          file.begin() + static_cast<long>(layout.data_offset + layout.data_size)};
}

TEST(DemoBmpWriter, PicturesOfOddWidthsDecodePixelForPixel) {
  for (int width : {1, 2, 3, 5, 7}) {
    const platform::Surface s = patterned(width, 4);
    const std::vector<std::uint8_t> file = demo::encode_bmp24(s);
    const auto bitmap = platform::decode_bmp(file.data(), file.size());
    ASSERT_TRUE(bitmap) << "width " << width;
    ASSERT_EQ(bitmap->width, width);
    ASSERT_EQ(bitmap->height, 4);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < width; ++x) EXPECT_EQ(bitmap->at(x, y), packed(platform::read_pixel(s, x, y)));
  }
}

TEST(DemoBmpWriter, ARectangleBecomesAPictureOfItsOwn) {
  const platform::Surface s = patterned(20, 10);
  const std::vector<std::uint8_t> file = demo::encode_bmp24(s, 6, 3, 5, 4);
  const auto bitmap = platform::decode_bmp(file.data(), file.size());
  ASSERT_TRUE(bitmap);
  ASSERT_EQ(bitmap->width, 5);
  ASSERT_EQ(bitmap->height, 4);
  EXPECT_EQ(bitmap->at(0, 0), packed(platform::read_pixel(s, 6, 3)));
  EXPECT_EQ(bitmap->at(4, 3), packed(platform::read_pixel(s, 10, 6)));
}

TEST(DemoWavWriter, SixteenBitStereoKeepsChannelsAndSigns) {
  const Clip clip{2, {0.5, -0.5, 1.0, -1.0, 2.0, 0.0}};
  const std::vector<std::uint8_t> file = demo::encode_wav(clip, 16);
  WaveLayout layout;
  ASSERT_TRUE(parse_wave(file, layout));
  EXPECT_EQ(layout.channels, 2);
  EXPECT_EQ(layout.bits_per_sample, 16);
  EXPECT_EQ(layout.samples_per_second, 22050u);
  EXPECT_EQ(layout.block_align, 4);
  EXPECT_EQ(layout.average_bytes_per_second, 22050u * 4);
  const std::vector<std::uint8_t> data = data_of(file, layout);
  ASSERT_EQ(data.size(), 12u);
  auto sample = [&](int i) { return static_cast<std::int16_t>(data[2 * i] | data[2 * i + 1] << 8); };
  EXPECT_EQ(sample(0), 16384);
  EXPECT_EQ(sample(1), -16384);
  EXPECT_EQ(sample(2), 32767);
  EXPECT_EQ(sample(3), -32767);
  EXPECT_EQ(sample(4), 32767) << "louder samples are clipped";
}

TEST(DemoWavWriter, EightBitSamplesAreUnsignedAroundTheMiddle) {
  const Clip clip{1, {0.0, 1.0, -1.0}};
  const std::vector<std::uint8_t> file = demo::encode_wav(clip, 8);
  WaveLayout layout;
  ASSERT_TRUE(parse_wave(file, layout));
  EXPECT_EQ(layout.bits_per_sample, 8);
  EXPECT_EQ(layout.block_align, 1);
  EXPECT_EQ(data_of(file, layout), (std::vector<std::uint8_t>{128, 255, 1}));
  EXPECT_EQ(file.size() % 2, 0u) << "an odd data chunk is padded";
}

}  // namespace
