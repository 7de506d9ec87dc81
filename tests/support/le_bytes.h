#pragma once
// Little-endian numbers into the bytes of a file the tests make, at an offset (growing the
// bytes as needed) or at the end.
#include <cstddef>
#include <cstdint>

namespace test_support {

template <typename Bytes>
void put_le(Bytes& bytes, std::size_t at, std::uint64_t value, int size) {
  if (bytes.size() < at + static_cast<std::size_t>(size)) bytes.resize(at + static_cast<std::size_t>(size));
  for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<typename Bytes::value_type>(value >> (8 * i) & 0xFF);
}

template <typename Bytes>
void append_le(Bytes& bytes, std::uint64_t value, int size) {
  put_le(bytes, bytes.size(), value, size);
}

}  // namespace test_support
