#include "platform/bmp/bmp_target.h"

#include <cstring>

namespace platform {

std::vector<int> consecutive_samples(int first, int count) {
  std::vector<int> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) samples[i] = first + i;
  return samples;
}

std::vector<int> nearest_samples(int count, int size) {
  std::vector<int> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    samples[i] = static_cast<int>((2 * std::int64_t{i} + 1) * size / (2 * std::int64_t{count}));
  return samples;
}

void store_pixels(PixelFormat format, std::uint8_t* destination, const std::uint32_t* rgb, std::size_t count) {
  if (format == PixelFormat::xrgb8888) {
    std::memcpy(destination, rgb, count * 4);
    return;
  }
  for (std::size_t i = 0; i < count; ++i) {
    const auto v = static_cast<std::uint16_t>(pack_pixel(format, static_cast<int>(rgb[i] >> 16),
                                                         static_cast<int>(rgb[i] >> 8), static_cast<int>(rgb[i])));
    std::memcpy(destination + 2 * i, &v, 2);
  }
}

}  // namespace platform
