#include "platform/text/gzip_inflate.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

namespace platform {

namespace {

constexpr int gzip_window_bits = 16 + MAX_WBITS;
constexpr std::size_t inflate_chunk = 16 * 1024;

}  // namespace

bool is_gzip(std::span<const std::uint8_t> data) {
  return data.size() >= 2 && data[0] == 0x1F && data[1] == 0x8B;
}

std::optional<std::vector<std::uint8_t>> inflate_gzip(std::span<const std::uint8_t> data,
                                                      std::size_t max_size) {
  if (data.size() > UINT_MAX) return std::nullopt;
  z_stream stream{};
  if (inflateInit2(&stream, gzip_window_bits) != Z_OK) return std::nullopt;
  // zlib's interface is not const-correct; it never writes through next_in.
  stream.next_in = const_cast<Bytef*>(data.data());
  stream.avail_in = static_cast<uInt>(data.size());

  std::vector<std::uint8_t> out;
  int status = Z_OK;
  while (status == Z_OK && out.size() < max_size) {
    const std::size_t used = out.size();
    const std::size_t room = std::min(inflate_chunk, max_size - used);
    out.resize(used + room);
    stream.next_out = out.data() + used;
    stream.avail_out = static_cast<uInt>(room);
    status = inflate(&stream, Z_NO_FLUSH);
    out.resize(used + (room - stream.avail_out));
    // All input taken, output room left, and still no end: the stream is truncated.
    if (status == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) status = Z_DATA_ERROR;
  }
  inflateEnd(&stream);
  if (status != Z_STREAM_END) return std::nullopt;
  return out;
}

}  // namespace platform
