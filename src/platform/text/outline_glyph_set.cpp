#include "platform/text/outline_glyph_set.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>

#include "platform/text/windows_1252.h"

namespace platform {

namespace {

constexpr FT_UInt missing_glyph_index = 0;

FT_Library library = nullptr;

bool start_library() {
  if (library == nullptr && FT_Init_FreeType(&library) != 0) library = nullptr;
  return library != nullptr;
}

class Face {
 public:
  Face(std::span<const std::uint8_t> file, int pixel_size) {
    if (FT_New_Memory_Face(library, file.data(), static_cast<FT_Long>(file.size()), 0, &face_) !=
        0) {
      face_ = nullptr;
      return;
    }
    if (!FT_IS_SCALABLE(face_) || face_->units_per_EM == 0 ||
        FT_Select_Charmap(face_, FT_ENCODING_UNICODE) != 0 ||
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixel_size)) != 0) {
      FT_Done_Face(face_);
      face_ = nullptr;
    }
  }
  ~Face() {
    if (face_ != nullptr) FT_Done_Face(face_);
  }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;

  FT_Face get() const { return face_; }

 private:
  FT_Face face_ = nullptr;
};

std::int64_t round_div(std::int64_t numerator, std::int64_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

// An empty glyph when FreeType cannot render it: a character drawn as nothing beats no text.
GlyphBitmap render_glyph(FT_Face face, FT_UInt index, int ascent) {
  GlyphBitmap g;
  if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0) return g;
  if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return g;
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.num_grays != 256) return g;
  if (bitmap.width == 0 || bitmap.rows == 0) return g;
  g.left = face->glyph->bitmap_left;
  g.top = ascent - face->glyph->bitmap_top;
  g.width = static_cast<int>(bitmap.width);
  g.height = static_cast<int>(bitmap.rows);
  g.coverage.resize(static_cast<std::size_t>(g.width) * g.height);
  const int stride = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
  for (int y = 0; y < g.height; ++y) {
    const int source_row = bitmap.pitch < 0 ? g.height - 1 - y : y;
    const unsigned char* src = bitmap.buffer + static_cast<std::size_t>(source_row) * stride;
    std::copy(src, src + g.width, g.coverage.begin() + static_cast<std::ptrdiff_t>(y) * g.width);
  }
  return g;
}

}  // namespace

std::optional<GlyphSet> make_outline_glyph_set(std::span<const std::uint8_t> file, int pixel_size) {
  if (!start_library()) return std::nullopt;
  Face face(file, pixel_size);
  if (face.get() == nullptr) return std::nullopt;
  const FT_Size_Metrics& metrics = face.get()->size->metrics;
  const std::int64_t descent = round_div(
      -static_cast<std::int64_t>(face.get()->descender) * pixel_size, face.get()->units_per_EM);

  GlyphSet set;
  set.line_height = static_cast<int>((metrics.height + 32) >> 6);
  set.ascent = set.line_height - static_cast<int>(descent);
  set.advance = static_cast<int>((metrics.max_advance + 32) >> 6);
  for (int byte = 0; byte < byte_values; ++byte) {
    const auto code = windows_1252_to_unicode(static_cast<unsigned char>(byte));
    const FT_UInt index = code ? FT_Get_Char_Index(face.get(), *code) : missing_glyph_index;
    set.glyphs[byte] = render_glyph(face.get(), index, set.ascent);
  }
  finish_glyph_set(set);
  return set;
}

void release_outline_renderer() {
  if (library != nullptr) FT_Done_FreeType(library);
  library = nullptr;
}

}  // namespace platform
