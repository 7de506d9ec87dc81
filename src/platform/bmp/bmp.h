#pragma once
// Reading BMP pictures and placing them on surfaces.
//
// Sizes and positions are in pixels. "Refused" means the file is not a BMP this decoder
// reads, or its headers are inconsistent (a size no BMP can declare, uncompressed pixel data
// that the file does not hold, offsets past the end): the function returns nullopt / false
// and writes nothing. Compressed (RLE) data that breaks off or runs past the picture is
// decoded as far as it is valid; pixels it never reaches are palette colour 0. Palette
// indices the file's palette does not cover are black; alpha is ignored. Nothing is ever read
// outside the given bytes (mended fault "Malformed BMP files").
//
// Placing reads only the rows and columns that land on the surface, a few rows at a time, so
// a picture of any size costs memory in proportion to its width, never to its pixel count.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/bmp/bmp_layout.h"
#include "platform/display/surface.h"
#include "platform/files/random_access_file.h"

namespace platform {

// A whole picture decoded into memory is refused above this (64 MiB of decoded pixels);
// placing one on a surface has no such limit.
inline constexpr std::uint64_t max_bmp_pixels = 16u * 1024 * 1024;

// A decoded picture: `pixels` holds width * height values 0x00RRGGBB, rows top-down.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Decodes a whole BMP file held in memory; nullopt when refused or above max_bmp_pixels.
std::optional<Bitmap> decode_bmp(const std::uint8_t* data, std::size_t size);

// Decodes the whole file a Windows name refers to; nullopt when it is missing, unreadable,
// refused or above max_bmp_pixels.
std::optional<Bitmap> load_bmp_file(const std::string& name);

// A BMP file whose headers have been read and checked; its pixels are read only when it is
// placed, straight onto the surface.
class BmpFile {
 public:
  // Nullopt when the file is missing, unreadable or refused.
  static std::optional<BmpFile> open(const std::string& name);

  // Copies the picture opaquely (black included) with its top-left corner at (x, y), at its
  // own size; whatever falls outside the surface is cut off. Any int position is allowed.
  // False when a read failed on the way (the file shrank or the disk failed).
  bool copy_1to1(Surface& surface, int x, int y) const;

 private:
  BmpFile(RandomAccessFile file, const BmpLayout& layout) : file_(std::move(file)), layout_(layout) {}

  RandomAccessFile file_;
  BmpLayout layout_;
};

// Places a page picture: one wider than screen_width or higher than screen_height is
// stretched over the whole surface, each surface pixel showing the picture pixel that covers
// its centre; any other is copied 1:1 at (0, 0) and leaves the rest of the surface as it was.
// False when the file is missing or refused; the surface is then untouched. False as well when
// a read fails part way (the file shrank or the disk failed): the part read is then written.
// The caller restores a lost surface first: this writes pixels regardless.
bool load_bmp_file_onto_surface(const std::string& name, Surface& surface);

// The same placement for a file already in memory.
bool place_bmp_onto_surface(const std::uint8_t* data, std::size_t size, Surface& surface);

}  // namespace platform
