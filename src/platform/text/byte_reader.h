#pragma once
// Bounds-checked little-endian reading of a file held in memory. A read past the end fails and
// leaves the position where it was.
#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return data_.size() - position_; }
  bool at_end() const { return position_ == data_.size(); }

  bool seek(std::size_t position) {
    if (position > data_.size()) return false;
    position_ = position;
    return true;
  }

  bool read_u8(std::uint8_t& value) {
    if (remaining() < 1) return false;
    value = data_[position_++];
    return true;
  }

  bool read_u16(std::uint16_t& value) {
    if (remaining() < 2) return false;
    value = static_cast<std::uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
    position_ += 2;
    return true;
  }

  bool read_u32(std::uint32_t& value) {
    if (remaining() < 4) return false;
    value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | data_[position_ + i];
    position_ += 4;
    return true;
  }

  bool read_bytes(std::size_t count, std::span<const std::uint8_t>& bytes) {
    if (remaining() < count) return false;
    bytes = data_.subspan(position_, count);
    position_ += count;
    return true;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace platform
