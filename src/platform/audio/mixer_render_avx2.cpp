// The mixer's loops on 256-bit vectors. Gathers are slow, so eight output frames take their
// source frames from one contiguous load, picked out with lane permutes; the arithmetic is the
// scalar loop's, lane by lane, so both give the same samples.
#include <immintrin.h>

#include "platform/audio/mixer_render.h"

namespace platform::mixer_render {

namespace {

constexpr std::size_t lanes = 8;

// Where each of the eight frames falls: its stored frame relative to the first one's, and its
// 15-bit fraction. `offset` is the first frame's position below one stored frame.
__attribute__((target("avx2"))) inline void place(std::uint32_t offset, __m256i steps_low, __m256i steps_high,
                                                  __m256i& relative, __m256i& fraction) {
  const __m256i start = _mm256_set1_epi64x(offset);
  const __m256i low = _mm256_add_epi64(start, steps_low);
  const __m256i high = _mm256_add_epi64(start, steps_high);
  const __m256i whole_parts = _mm256_setr_epi32(1, 3, 5, 7, 1, 3, 5, 7);
  const __m256i fraction_parts = _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6);
  relative = _mm256_permute2x128_si256(_mm256_permutevar8x32_epi32(low, whole_parts),
                                       _mm256_permutevar8x32_epi32(high, whole_parts), 0x20);
  fraction = _mm256_srli_epi32(_mm256_permute2x128_si256(_mm256_permutevar8x32_epi32(low, fraction_parts),
                                                         _mm256_permutevar8x32_epi32(high, fraction_parts), 0x20),
                               32 - fraction_bits);
}

__attribute__((target("avx2"))) inline __m256i interpolate(__m256i first, __m256i second, __m256i fraction,
                                                           __m256i gain) {
  const __m256i value = _mm256_add_epi32(
      first, _mm256_srai_epi32(_mm256_mullo_epi32(_mm256_sub_epi32(second, first), fraction), fraction_bits));
  return _mm256_srai_epi32(_mm256_mullo_epi32(value, gain), gain_bits);
}

__attribute__((target("avx2"))) inline void accumulate(std::int32_t* sums, __m256i values) {
  __m256i* at = reinterpret_cast<__m256i*>(sums);
  _mm256_storeu_si256(at, _mm256_add_epi32(_mm256_loadu_si256(at), values));
}

// Eight stored frames from `frame` on, as 32 bits each: mono widened to 16-bit values, stereo
// as a left/right pair of 16-bit values.
__attribute__((target("avx2"))) inline __m256i window(const std::int16_t* samples, std::size_t frame, bool stereo) {
  if (stereo) return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(samples + 2 * frame));
  return _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(samples + frame)));
}

__attribute__((target("avx2"))) inline __m256i window(const std::uint8_t* samples, std::size_t frame, bool stereo) {
  const __m256i middle = _mm256_set1_epi16(128);
  if (stereo) {
    const __m256i bytes = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(samples + 2 * frame)));
    return _mm256_slli_epi16(_mm256_sub_epi16(bytes, middle), 8);
  }
  const __m256i bytes = _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(samples + frame)));
  return _mm256_slli_epi32(_mm256_sub_epi32(bytes, _mm256_set1_epi32(128)), 8);
}

template <typename Sample, bool Stereo>
__attribute__((target("avx2"))) std::size_t render_lanes(std::int32_t* left, std::int32_t* right,
                                                         std::size_t frames, std::uint64_t position,
                                                         std::uint64_t step, const Sample* samples,
                                                         std::size_t stored_frames, std::int32_t gain) {
  const auto s = static_cast<long long>(step);
  const __m256i steps_low = _mm256_setr_epi64x(0, s, 2 * s, 3 * s);
  const __m256i steps_high = _mm256_setr_epi64x(4 * s, 5 * s, 6 * s, 7 * s);
  const __m256i gains = _mm256_set1_epi32(gain);
  const __m256i next = _mm256_set1_epi32(1);
  std::size_t done = 0;
  for (; done + lanes <= frames; done += lanes) {
    const std::size_t first = static_cast<std::size_t>(position >> 32);
    if (first + lanes > stored_frames) break;
    __m256i relative;
    __m256i fraction;
    place(static_cast<std::uint32_t>(position), steps_low, steps_high, relative, fraction);
    const __m256i stored = window(samples, first, Stereo);
    const __m256i a = _mm256_permutevar8x32_epi32(stored, relative);
    const __m256i b = _mm256_permutevar8x32_epi32(stored, _mm256_add_epi32(relative, next));
    if constexpr (Stereo) {
      const __m256i left0 = _mm256_srai_epi32(_mm256_slli_epi32(a, 16), 16);
      const __m256i left1 = _mm256_srai_epi32(_mm256_slli_epi32(b, 16), 16);
      accumulate(left + done, interpolate(left0, left1, fraction, gains));
      accumulate(right + done, interpolate(_mm256_srai_epi32(a, 16), _mm256_srai_epi32(b, 16), fraction, gains));
    } else {
      const __m256i mono = interpolate(a, b, fraction, gains);
      accumulate(left + done, mono);
      accumulate(right + done, mono);
    }
    position += lanes * step;
  }
  return done;
}

}  // namespace

bool vector_loops_available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

template <typename Sample, bool Stereo>
std::size_t render_vector(std::int32_t* left, std::int32_t* right, std::size_t frames, std::uint64_t position,
                          std::uint64_t step, const Sample* samples, std::size_t stored_frames, std::int32_t gain) {
  return render_lanes<Sample, Stereo>(left, right, frames, position, step, samples, stored_frames, gain);
}

template std::size_t render_vector<std::int16_t, true>(std::int32_t*, std::int32_t*, std::size_t, std::uint64_t,
                                                       std::uint64_t, const std::int16_t*, std::size_t, std::int32_t);
template std::size_t render_vector<std::int16_t, false>(std::int32_t*, std::int32_t*, std::size_t, std::uint64_t,
                                                        std::uint64_t, const std::int16_t*, std::size_t, std::int32_t);
template std::size_t render_vector<std::uint8_t, true>(std::int32_t*, std::int32_t*, std::size_t, std::uint64_t,
                                                       std::uint64_t, const std::uint8_t*, std::size_t, std::int32_t);
template std::size_t render_vector<std::uint8_t, false>(std::int32_t*, std::int32_t*, std::size_t, std::uint64_t,
                                                        std::uint64_t, const std::uint8_t*, std::size_t, std::int32_t);

}  // namespace platform::mixer_render
