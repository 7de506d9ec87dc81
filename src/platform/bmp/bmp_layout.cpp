#include "platform/bmp/bmp_layout.h"

#include <algorithm>
#include <bit>

#include "platform/files/le_reader.h"

namespace platform {
namespace {

constexpr std::size_t file_header_size = 14;
constexpr std::size_t core_header_size = 12;
constexpr std::size_t os2_short_header_size = 16;
constexpr std::size_t info_header_size = 40;
constexpr std::size_t v2_header_size = 52;
constexpr std::size_t v3_header_size = 56;
constexpr std::size_t os2_full_header_size = 64;
constexpr std::size_t v4_header_size = 108;
constexpr std::size_t v5_header_size = 124;
constexpr std::uint32_t rgb_masks_size = 12;
constexpr std::uint32_t rgba_masks_size = 16;
constexpr std::size_t palette_entry_size = 4;
// The longest headers with masks and a full palette end within this many bytes of the start.
constexpr std::size_t head_size =
    file_header_size + v5_header_size + rgba_masks_size + bmp_palette_capacity * palette_entry_size;

// Compression codes of the info header.
constexpr std::uint32_t compression_none = 0;
constexpr std::uint32_t compression_rle8 = 1;
constexpr std::uint32_t compression_rle4 = 2;
constexpr std::uint32_t compression_bitfields = 3;
constexpr std::uint32_t compression_alpha_bitfields = 6;

bool known_header_size(std::uint32_t size) {
  for (const std::size_t known : {core_header_size, os2_short_header_size, info_header_size, v2_header_size,
                                  v3_header_size, os2_full_header_size, v4_header_size, v5_header_size})
    if (size == known) return true;
  return false;
}

// The fields the decoders need, as the header states them.
struct InfoFields {
  std::uint32_t header_size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint16_t planes = 0;
  std::uint16_t bits_per_pixel = 0;
  std::uint32_t compression = compression_none;
  std::uint32_t colours_used = 0;
};

std::optional<InfoFields> read_info_fields(const LeReader& in) {
  InfoFields f;
  const auto header_size = in.u32(file_header_size);
  if (!header_size || !known_header_size(*header_size) || !in.holds(file_header_size, *header_size))
    return std::nullopt;
  f.header_size = *header_size;
  const std::size_t h = file_header_size;
  if (f.header_size == core_header_size) {
    f.width = *in.u16(h + 4);
    f.height = *in.u16(h + 6);
    f.planes = *in.u16(h + 8);
    f.bits_per_pixel = *in.u16(h + 10);
    return f;
  }
  f.width = *in.i32(h + 4);
  f.height = *in.i32(h + 8);
  f.planes = *in.u16(h + 12);
  f.bits_per_pixel = *in.u16(h + 14);
  if (f.header_size > os2_short_header_size) {
    f.compression = *in.u32(h + 16);
    f.colours_used = *in.u32(h + 32);
  }
  return f;
}

// Accepts the bit depths that go with each compression and maps them to an encoding.
std::optional<BmpEncoding> encoding_for(const InfoFields& f) {
  const int bpp = f.bits_per_pixel;
  // The long OS/2 header gives codes 3 and 4 other meanings (Huffman, RLE24); neither is read.
  if (f.header_size == os2_full_header_size && f.compression > compression_rle4) return std::nullopt;
  switch (f.compression) {
    case compression_none:
      if (bpp == 1 || bpp == 2 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)
        return BmpEncoding::plain;
      return std::nullopt;
    case compression_rle8:
      return bpp == 8 ? std::optional(BmpEncoding::rle8) : std::nullopt;
    case compression_rle4:
      return bpp == 4 ? std::optional(BmpEncoding::rle4) : std::nullopt;
    case compression_bitfields:
    case compression_alpha_bitfields:
      return (bpp == 16 || bpp == 32) ? std::optional(BmpEncoding::bitfields) : std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<BmpChannel> channel_from_mask(std::uint32_t mask) {
  BmpChannel c;
  c.mask = mask;
  if (mask == 0) return c;
  c.shift = std::countr_zero(mask);
  c.bits = std::popcount(mask);
  // Scattered bits have no sensible reading as one channel.
  if (c.bits != 32 - c.shift - std::countl_zero(mask)) return std::nullopt;
  return c;
}

std::optional<std::array<BmpChannel, 3>> channels_from_masks(std::uint32_t red, std::uint32_t green,
                                                             std::uint32_t blue) {
  const auto r = channel_from_mask(red), g = channel_from_mask(green), b = channel_from_mask(blue);
  if (!r || !g || !b) return std::nullopt;
  return std::array<BmpChannel, 3>{*r, *g, *b};
}

// Masks of a bitfield file sit in the longer headers, else right after the 40-byte one.
// Returns the channels and how many bytes of masks follow the header.
std::optional<std::pair<std::array<BmpChannel, 3>, std::uint32_t>> read_masks(const LeReader& in,
                                                                               const InfoFields& f) {
  const std::size_t at = file_header_size + info_header_size;
  const std::uint32_t trailing =
      f.header_size > info_header_size
          ? 0
          : (f.compression == compression_alpha_bitfields ? rgba_masks_size : rgb_masks_size);
  const auto red = in.u32(at), green = in.u32(at + 4), blue = in.u32(at + 8);
  if (!red || !green || !blue) return std::nullopt;
  const auto channels = channels_from_masks(*red, *green, *blue);
  if (!channels) return std::nullopt;
  return std::pair{*channels, trailing};
}

void read_palette(const LeReader& in, const InfoFields& f, std::size_t start, BmpLayout& layout) {
  const std::size_t entry_size = f.header_size == core_header_size ? 3 : palette_entry_size;
  std::size_t count = std::size_t{1} << layout.bits_per_pixel;
  if (f.colours_used != 0) count = std::min<std::size_t>(count, f.colours_used);
  // The palette ends where the pixels begin, however many entries the header claims.
  const std::size_t end = std::min(layout.pixel_offset, in.size());
  if (end <= start) return;
  count = std::min(count, (end - start) / entry_size);
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = start + i * entry_size;
    layout.palette[i] = (std::uint32_t{*in.u8(at + 2)} << 16) | (std::uint32_t{*in.u8(at + 1)} << 8) |
                        *in.u8(at);
  }
}

std::uint64_t row_bytes_used(const BmpLayout& layout) {
  return (static_cast<std::uint64_t>(layout.width) * layout.bits_per_pixel + 7) / 8;
}

}  // namespace

std::optional<BmpLayout> read_bmp_layout(BmpSource& source) {
  const std::uint64_t size = source.size();
  const auto held = static_cast<std::size_t>(std::min<std::uint64_t>(size, head_size));
  const std::uint8_t* head = held > 0 ? source.bytes(0, held) : nullptr;
  if (source.failed()) return std::nullopt;
  const LeReader in(head, held);
  if (in.u8(0) != 'B' || in.u8(1) != 'M') return std::nullopt;
  const auto pixel_offset = in.u32(10);
  if (!pixel_offset) return std::nullopt;
  const auto f = read_info_fields(in);
  if (!f || f->planes != 1) return std::nullopt;
  const auto encoding = encoding_for(*f);
  if (!encoding) return std::nullopt;

  BmpLayout layout;
  layout.encoding = *encoding;
  layout.bits_per_pixel = f->bits_per_pixel;
  layout.top_down = f->height < 0;
  const std::int64_t height = f->height < 0 ? -f->height : f->height;
  // INT32_MIN rows has no top-down reading: its magnitude is not a height a header can hold.
  if (f->width <= 0 || height == 0 || height > INT32_MAX) return std::nullopt;
  layout.width = static_cast<int>(f->width);
  layout.height = static_cast<int>(height);
  // Run-length data is stored bottom-up only.
  const bool rle = *encoding == BmpEncoding::rle8 || *encoding == BmpEncoding::rle4;
  if (rle && layout.top_down) return std::nullopt;

  std::uint32_t trailing_masks = 0;
  if (*encoding == BmpEncoding::bitfields) {
    const auto masks = read_masks(in, *f);
    if (!masks) return std::nullopt;
    layout.channels = masks->first;
    trailing_masks = masks->second;
  } else if (layout.bits_per_pixel == 16) {
    layout.channels = *channels_from_masks(0x7C00, 0x03E0, 0x001F);  // 5-5-5, top bit unused
  } else if (layout.bits_per_pixel == 32) {
    layout.channels = *channels_from_masks(0xFF0000, 0x00FF00, 0x0000FF);
  }

  const std::size_t headers_end = file_header_size + f->header_size + trailing_masks;
  if (*pixel_offset < headers_end || *pixel_offset > size) return std::nullopt;
  layout.pixel_offset = *pixel_offset;
  if (layout.bits_per_pixel <= 8) read_palette(in, *f, headers_end, layout);

  const std::uint64_t stride = (static_cast<std::uint64_t>(layout.width) * layout.bits_per_pixel + 31) / 32 * 4;
  layout.stride = static_cast<std::size_t>(stride);
  if (!rle) {
    // The last row may lack its padding; anything shorter is refused.
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(layout.height - 1) + row_bytes_used(layout);
    if (needed > size - layout.pixel_offset) return std::nullopt;
  }
  return layout;
}

}  // namespace platform
