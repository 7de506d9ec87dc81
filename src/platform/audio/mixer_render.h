#pragma once
// The mixer's inner loops, one instance per sample layout, so the per-frame work is a few
// integer operations with no branch on the format. Each adds one channel, resampled and scaled,
// to separate left and right accumulators.
#include <cstddef>
#include <cstdint>

namespace platform::mixer_render {

inline constexpr int fraction_bits = 15;
inline constexpr int gain_bits = 15;

inline std::int32_t widen(std::uint8_t sample) { return (static_cast<std::int32_t>(sample) - 128) * 256; }
inline std::int32_t widen(std::int16_t sample) { return sample; }

// Adds `frames` output frames of one channel starting at the 32.32 `position`. The caller
// guarantees every frame index read, and the one after it, is stored.
template <typename Sample, bool Stereo>
void render(std::int32_t* left, std::int32_t* right, std::size_t frames, std::uint64_t position,
            std::uint64_t step, const Sample* samples, std::int32_t gain) {
  constexpr std::size_t width = Stereo ? 2 : 1;
  for (std::size_t i = 0; i < frames; ++i) {
    const Sample* frame = samples + static_cast<std::size_t>(position >> 32) * width;
    const std::int32_t fraction =
        static_cast<std::int32_t>((position >> (32 - fraction_bits)) & ((1 << fraction_bits) - 1));
    const std::int32_t left0 = widen(frame[0]);
    const std::int32_t l = left0 + (((widen(frame[width]) - left0) * fraction) >> fraction_bits);
    left[i] += (l * gain) >> gain_bits;
    if constexpr (Stereo) {
      const std::int32_t right0 = widen(frame[1]);
      const std::int32_t r = right0 + (((widen(frame[3]) - right0) * fraction) >> fraction_bits);
      right[i] += (r * gain) >> gain_bits;
    } else {
      right[i] += (l * gain) >> gain_bits;
    }
    position += step;
  }
}

// The widest step the vector loops take: eight output frames then span at most seven stored
// frames, which one load holds.
inline constexpr std::uint64_t vector_step_limit = (std::uint64_t{5} << 32) / 7;

// Whether this processor runs the vector loops (AVX2).
bool vector_loops_available();

// As render, eight frames at a time with identical results, for steps up to
// vector_step_limit, while the eight frames after the current one lie within the
// `stored_frames` (guard frame included). Returns how many frames it rendered, a multiple of 8;
// the caller renders the rest.
template <typename Sample, bool Stereo>
std::size_t render_vector(std::int32_t* left, std::int32_t* right, std::size_t frames, std::uint64_t position,
                          std::uint64_t step, const Sample* samples, std::size_t stored_frames, std::int32_t gain);

// Clamps the accumulated sums into interleaved 16-bit stereo: loud sums flatten instead of
// wrapping round.
inline void saturate(const std::int32_t* left, const std::int32_t* right, std::int16_t* out, std::size_t frames) {
  auto clamp = [](std::int32_t v) { return static_cast<std::int16_t>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v)); };
  for (std::size_t i = 0; i < frames; ++i) {
    out[2 * i] = clamp(left[i]);
    out[2 * i + 1] = clamp(right[i]);
  }
}

}  // namespace platform::mixer_render
