#include "platform/bmp/bmp_source.h"

#include <algorithm>

namespace platform {

const std::uint8_t* FileBmpSource::bytes(std::uint64_t offset, std::size_t length) {
  if (buffer_.size() < length) buffer_.resize(length);
  const std::span<std::uint8_t> piece(buffer_.data(), length);
  if (!file_.read_at(offset, piece)) {
    // The file shrank or a read failed after its headers were checked.
    std::fill(piece.begin(), piece.end(), std::uint8_t{0});
    failed_ = true;
  }
  return buffer_.data();
}

}  // namespace platform
