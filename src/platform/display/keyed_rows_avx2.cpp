#include "platform/display/keyed_rows_avx2.h"

#include <immintrin.h>

#include <cstddef>

namespace platform::keyed_vector {

namespace {

constexpr int vector_bytes = 32;

__attribute__((target("avx2"))) inline __m256i load(const std::uint8_t* at) {
  return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

// Where `black` is set the destination's pixel stays, elsewhere the source's is taken.
__attribute__((target("avx2"))) inline void blend(std::uint8_t* destination, __m256i in, __m256i black) {
  const __m256i out = load(destination);
  _mm256_storeu_si256(reinterpret_cast<__m256i*>(destination), _mm256_blendv_epi8(in, out, black));
}

}  // namespace

bool vector_rows_available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

__attribute__((target("avx2"))) int copy_keyed_xrgb8888(const std::uint8_t* source, std::uint8_t* destination,
                                                        int count) {
  constexpr int step = vector_bytes / 4;
  // The top byte is not colour: a pixel is black when its low three bytes are.
  const __m256i colour_bits = _mm256_set1_epi32(0x00FFFFFF);
  const __m256i zero = _mm256_setzero_si256();
  int done = 0;
  for (; done + step <= count; done += step) {
    const __m256i in = load(source + 4 * static_cast<std::ptrdiff_t>(done));
    blend(destination + 4 * static_cast<std::ptrdiff_t>(done), in,
          _mm256_cmpeq_epi32(_mm256_and_si256(in, colour_bits), zero));
  }
  return done;
}

__attribute__((target("avx2"))) int copy_keyed_rgb565(const std::uint8_t* source, std::uint8_t* destination,
                                                      int count) {
  constexpr int step = vector_bytes / 2;
  const __m256i zero = _mm256_setzero_si256();
  int done = 0;
  for (; done + step <= count; done += step) {
    const __m256i in = load(source + 2 * static_cast<std::ptrdiff_t>(done));
    blend(destination + 2 * static_cast<std::ptrdiff_t>(done), in, _mm256_cmpeq_epi16(in, zero));
  }
  return done;
}

}  // namespace platform::keyed_vector
