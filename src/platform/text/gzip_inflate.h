#pragma once
// Decompression of gzip'ed font files.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// True when the data starts with the gzip magic bytes.
bool is_gzip(std::span<const std::uint8_t> data);

// Inflates one whole gzip member. Refuses (nullopt) a damaged or truncated stream and one
// that would inflate to more than max_size bytes.
std::optional<std::vector<std::uint8_t>> inflate_gzip(std::span<const std::uint8_t> data,
                                                      std::size_t max_size);

}  // namespace platform
