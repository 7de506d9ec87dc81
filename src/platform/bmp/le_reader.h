#pragma once
// Bounds-checked little-endian field reads from a byte buffer.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace platform {

class LeReader {
 public:
  LeReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t size() const { return size_; }
  bool holds(std::size_t offset, std::size_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  std::optional<std::uint8_t> u8(std::size_t offset) const {
    if (!holds(offset, 1)) return std::nullopt;
    return data_[offset];
  }
  std::optional<std::uint16_t> u16(std::size_t offset) const {
    if (!holds(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(data_[offset] | (data_[offset + 1] << 8));
  }
  std::optional<std::uint32_t> u32(std::size_t offset) const {
    if (!holds(offset, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(data_[offset]) | (static_cast<std::uint32_t>(data_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(data_[offset + 3]) << 24);
  }
  std::optional<std::int32_t> i32(std::size_t offset) const {
    const auto v = u32(offset);
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace platform
