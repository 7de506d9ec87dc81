// Processors without the vector loops (the web build's): the scalar loop renders every frame.
#include "platform/audio/mixer_render.h"

namespace platform::mixer_render {

bool vector_loops_available() { return false; }

template <typename Sample, bool Stereo>
std::size_t render_vector(std::int32_t*, std::int32_t*, std::size_t, std::uint64_t, std::uint64_t, const Sample*,
                          std::size_t, std::int32_t) {
  return 0;
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
