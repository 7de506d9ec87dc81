#include "platform/bmp/bmp_rle.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform {
namespace {

// Second byte of a pair whose first byte (the count) is 0.
constexpr std::uint8_t escape_end_of_line = 0;
constexpr std::uint8_t escape_end_of_picture = 1;
constexpr std::uint8_t escape_delta = 2;

// Larger than the longest code (a padded literal of 255 indices), small beside any picture.
constexpr std::size_t chunk_bytes = 64 * 1024;

// The data from the pixel offset to the file's end, read in chunks.
class ByteStream {
 public:
  ByteStream(BmpSource& source, std::uint64_t start) : source_(source), at_(start) {}

  // Points `bytes` at the next `count` bytes, or as many as the file still holds; returns how
  // many that is.
  std::size_t peek(std::size_t count, const std::uint8_t*& bytes) {
    const std::uint64_t left = source_.size() - at_;
    const auto held = static_cast<std::size_t>(std::min<std::uint64_t>(count, left));
    if (held == 0) return 0;
    if (at_ < chunk_start_ || at_ + held > chunk_start_ + chunk_size_) {
      chunk_start_ = at_;
      chunk_size_ = static_cast<std::size_t>(std::min<std::uint64_t>(chunk_bytes, left));
      chunk_ = source_.bytes(chunk_start_, chunk_size_);
    }
    bytes = chunk_ + (at_ - chunk_start_);
    return held;
  }

  // Moves past bytes that peek has shown.
  void skip(std::size_t count) { at_ += count; }

 private:
  BmpSource& source_;
  std::uint64_t at_;
  const std::uint8_t* chunk_ = nullptr;
  std::uint64_t chunk_start_ = 0;
  std::size_t chunk_size_ = 0;
};

// The pen of the run-length data: x from the left, y from the bottom row up. It paints only
// the target's columns of rows the target shows, into one line, and writes each finished row
// to the target rows that show it; rows the data skips are background there.
class RlePen {
 public:
  RlePen(const BmpLayout& layout, const PixelTarget& target)
      : layout_(layout),
        target_(target),
        next_target_row_(static_cast<int>(target.rows.size()) - 1),
        background_(target.columns.size(), layout.palette[0]),
        line_(background_) {
    start_row();
  }

  bool past_last_row() const { return y_ >= layout_.height; }

  // Paints `count` pixels whose indices `index_at(i)` gives; pixels past the row are dropped.
  template <class IndexAt>
  void paint(int count, IndexAt index_at) {
    if (past_last_row()) return;
    const int visible = std::min(count, layout_.width - x_);
    if (shown_) {
      const auto& columns = target_.columns;
      const std::size_t n = columns.size();
      while (column_ < n && columns[column_] < x_) ++column_;
      for (; column_ < n && columns[column_] < x_ + visible; ++column_)
        line_[column_] = layout_.palette[index_at(columns[column_] - x_)];
    }
    x_ += visible;
  }

  void next_line() { move_to(0, y_ + 1); }

  // In 64 bits: the pen may stand near the int limit in a picture declared that wide.
  void move(int dx, int dy) {
    move_to(static_cast<int>(std::min<std::int64_t>(std::int64_t{x_} + dx, layout_.width)),
            static_cast<int>(std::min<std::int64_t>(std::int64_t{y_} + dy, layout_.height)));
  }

  // Writes the rest: the row the pen is on and every row above it.
  void finish() { leave_row_for(layout_.height); }

 private:
  int picture_row() const { return layout_.height - 1 - y_; }

  void move_to(int x, int y) {
    if (y != y_) leave_row_for(y);
    x_ = x;
  }

  void leave_row_for(int y) {
    if (!past_last_row()) write_rows_from(picture_row(), line_);
    write_rows_from(layout_.height - y, background_);
    y_ = y;
    start_row();
  }

  // Writes `line` into every target row not yet written whose picture row is `first` or lower
  // down; the pen has passed them all.
  void write_rows_from(int first, const std::vector<std::uint32_t>& line) {
    const std::size_t row_bytes = line.size() * (target_.format == PixelFormat::xrgb8888 ? 4 : 2);
    const std::uint8_t* written = nullptr;
    for (; next_target_row_ >= 0 && target_.rows[next_target_row_] >= first; --next_target_row_) {
      std::uint8_t* row = target_.base + static_cast<std::size_t>(next_target_row_) * target_.pitch;
      if (written)
        std::memcpy(row, written, row_bytes);
      else
        store_pixels(target_.format, row, line.data(), line.size());
      written = row;
    }
  }

  void start_row() {
    column_ = 0;
    shown_ = !past_last_row() && next_target_row_ >= 0 && target_.rows[next_target_row_] == picture_row();
    if (shown_) std::copy(background_.begin(), background_.end(), line_.begin());
  }

  const BmpLayout& layout_;
  const PixelTarget& target_;
  int x_ = 0;
  int y_ = 0;
  int next_target_row_;
  bool shown_ = false;
  std::size_t column_ = 0;  // the first target column not yet passed in this row
  std::vector<std::uint32_t> background_;
  std::vector<std::uint32_t> line_;
};

}  // namespace

void decode_bmp_rle(const BmpLayout& layout, BmpSource& source, const PixelTarget& target) {
  const bool nibbles = layout.encoding == BmpEncoding::rle4;
  RlePen pen(layout, target);
  ByteStream data(source, layout.pixel_offset);
  const std::uint8_t* code = nullptr;
  while (!pen.past_last_row() && data.peek(2, code) == 2) {
    const std::uint8_t count = code[0];
    const std::uint8_t value = code[1];
    data.skip(2);
    if (count > 0) {
      pen.paint(count, [&](int i) { return nibbles ? ((i & 1) ? value & 15 : value >> 4) : value; });
    } else if (value == escape_end_of_line) {
      pen.next_line();
    } else if (value == escape_end_of_picture) {
      break;
    } else if (value == escape_delta) {
      const std::uint8_t* delta = nullptr;
      if (data.peek(2, delta) < 2) break;
      data.skip(2);
      pen.move(delta[0], delta[1]);
    } else {
      // A literal run of `value` indices, padded to an even number of bytes.
      const std::size_t bytes = nibbles ? (value + 1u) / 2 : value;
      const std::uint8_t* literal = nullptr;
      const std::size_t padded = data.peek(bytes + (bytes & 1), literal);
      const std::size_t held = std::min(bytes, padded);
      const int indices = static_cast<int>(std::min<std::size_t>(value, nibbles ? held * 2 : held));
      pen.paint(indices, [&](int i) {
        return nibbles ? ((i & 1) ? literal[i / 2] & 15 : literal[i / 2] >> 4) : literal[i];
      });
      if (held < bytes) break;
      data.skip(padded);
    }
  }
  pen.finish();
}

}  // namespace platform
