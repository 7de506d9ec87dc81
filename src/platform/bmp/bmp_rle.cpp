#include "platform/bmp/bmp_rle.h"

#include <algorithm>

namespace platform {
namespace {

// Second byte of a pair whose first byte (the count) is 0.
constexpr std::uint8_t escape_end_of_line = 0;
constexpr std::uint8_t escape_end_of_picture = 1;
constexpr std::uint8_t escape_delta = 2;

// The pen of the run-length data: x from the left, y from the bottom row up.
class RlePen {
 public:
  RlePen(const BmpLayout& layout, Bitmap& bitmap) : layout_(layout), bitmap_(bitmap) {}

  bool past_last_row() const { return y_ >= bitmap_.height; }

  // Paints `count` pixels whose indices `index_at(i)` gives; pixels past the row are dropped.
  template <class IndexAt>
  void paint(int count, IndexAt index_at) {
    if (past_last_row()) return;
    const int visible = std::min(count, bitmap_.width - x_);
    std::uint32_t* row = bitmap_.pixels.data() + static_cast<std::size_t>(bitmap_.height - 1 - y_) * bitmap_.width;
    for (int i = 0; i < visible; ++i) row[x_ + i] = layout_.palette[index_at(i)];
    x_ += visible;
  }

  void next_line() {
    x_ = 0;
    ++y_;
  }

  void move(int dx, int dy) {
    x_ = std::min(x_ + dx, bitmap_.width);
    y_ = std::min(y_ + dy, bitmap_.height);
  }

 private:
  const BmpLayout& layout_;
  Bitmap& bitmap_;
  int x_ = 0;
  int y_ = 0;
};

}  // namespace

void decode_bmp_rle(const BmpLayout& layout, const std::uint8_t* file, std::size_t size, Bitmap& bitmap) {
  const bool nibbles = layout.encoding == BmpEncoding::rle4;
  RlePen pen(layout, bitmap);
  std::size_t at = layout.pixel_offset;
  while (!pen.past_last_row() && size - at >= 2) {
    const std::uint8_t count = file[at];
    const std::uint8_t value = file[at + 1];
    at += 2;
    if (count > 0) {
      pen.paint(count, [&](int i) { return nibbles ? ((i & 1) ? value & 15 : value >> 4) : value; });
    } else if (value == escape_end_of_line) {
      pen.next_line();
    } else if (value == escape_end_of_picture) {
      break;
    } else if (value == escape_delta) {
      if (size - at < 2) break;
      pen.move(file[at], file[at + 1]);
      at += 2;
    } else {
      // A literal run of `value` indices, padded to an even number of bytes.
      const std::size_t bytes = nibbles ? (value + 1u) / 2 : value;
      const std::size_t held = std::min(bytes, size - at);
      const std::uint8_t* literal = file + at;
      const int indices = static_cast<int>(std::min<std::size_t>(value, nibbles ? held * 2 : held));
      pen.paint(indices, [&](int i) {
        return nibbles ? ((i & 1) ? literal[i / 2] & 15 : literal[i / 2] >> 4) : literal[i];
      });
      if (held < bytes) break;
      at += std::min(bytes + (bytes & 1), size - at);
    }
  }
}

}  // namespace platform
