#pragma once
// Bounds-checked little-endian reading of a file held in memory, the one way every file
// format is read: fields at an offset (nullopt past the end), or in order from a position
// that a read past the end leaves where it was.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

class LeReader {
 public:
  explicit LeReader(std::span<const std::uint8_t> data) : data_(data) {}
  LeReader(const std::uint8_t* data, std::size_t size) : data_(data, size) {}

  std::size_t size() const { return data_.size(); }
  bool holds(std::uint64_t offset, std::uint64_t length) const {
    return offset <= data_.size() && length <= data_.size() - offset;
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
  // Whether the bytes at `offset` are `text` (a chunk or magic identifier).
  bool holds_text(std::size_t offset, std::string_view text) const {
    if (!holds(offset, text.size())) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
      if (data_[offset + i] != static_cast<std::uint8_t>(text[i])) return false;
    return true;
  }

  std::size_t position() const { return position_; }
  bool seek(std::size_t position) {
    if (position > data_.size()) return false;
    position_ = position;
    return true;
  }
  bool read_u8(std::uint8_t& value) { return next(u8(position_), 1, value); }
  bool read_u16(std::uint16_t& value) { return next(u16(position_), 2, value); }
  bool read_u32(std::uint32_t& value) { return next(u32(position_), 4, value); }
  bool read_bytes(std::size_t count, std::span<const std::uint8_t>& bytes) {
    if (!holds(position_, count)) return false;
    bytes = data_.subspan(position_, count);
    position_ += count;
    return true;
  }

 private:
  template <typename T>
  bool next(std::optional<T> field, std::size_t length, T& value) {
    if (!field) return false;
    value = *field;
    position_ += length;
    return true;
  }

  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace platform
