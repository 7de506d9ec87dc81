#include "check/file_formats.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace check {

namespace {

using namespace std::string_view_literals;

struct Signature {
  std::size_t offset;
  std::string_view bytes;
  Medium medium;
  const char* name;
};

// Checked in order: the first match names the file.
constexpr std::array<Signature, 14> signatures = {{
    {0, "\x89PNG"sv, Medium::picture, "a PNG picture"},
    {0, "\xFF\xD8\xFF"sv, Medium::picture, "a JPEG picture"},
    {0, "GIF8"sv, Medium::picture, "a GIF picture"},
    {0, "II*\0"sv, Medium::picture, "a TIFF picture"},
    {0, "MM\0*"sv, Medium::picture, "a TIFF picture"},
    {8, "WEBP"sv, Medium::picture, "a WebP picture"},
    {0, "BM"sv, Medium::picture, "a BMP picture"},
    {8, "WAVE"sv, Medium::sound, "a WAV sound"},
    {0, "ID3"sv, Medium::sound, "an MP3 sound"},
    {0, "OggS"sv, Medium::sound, "an Ogg sound"},
    {0, "fLaC"sv, Medium::sound, "a FLAC sound"},
    {8, "AIFF"sv, Medium::sound, "an AIFF sound"},
    {8, "AIFC"sv, Medium::sound, "an AIFF sound"},
    {4, "ftyp"sv, Medium::sound, "an MP4 or M4A file"},
}};

struct Extension {
  std::string_view extension;
  Medium medium;
  const char* name;
};

constexpr std::array<Extension, 15> extensions = {{
    {".png", Medium::picture, "a PNG picture"},   {".jpg", Medium::picture, "a JPEG picture"},
    {".jpeg", Medium::picture, "a JPEG picture"}, {".gif", Medium::picture, "a GIF picture"},
    {".tif", Medium::picture, "a TIFF picture"},  {".tiff", Medium::picture, "a TIFF picture"},
    {".webp", Medium::picture, "a WebP picture"}, {".bmp", Medium::picture, "a BMP picture"},
    {".wav", Medium::sound, "a WAV sound"},       {".mp3", Medium::sound, "an MP3 sound"},
    {".ogg", Medium::sound, "an Ogg sound"},      {".flac", Medium::sound, "a FLAC sound"},
    {".aif", Medium::sound, "an AIFF sound"},     {".aiff", Medium::sound, "an AIFF sound"},
    {".m4a", Medium::sound, "an M4A sound"},
}};

bool starts_with_at(std::span<const std::uint8_t> head, std::size_t offset, std::string_view bytes) {
  if (head.size() < offset + bytes.size()) return false;
  return std::equal(bytes.begin(), bytes.end(), head.begin() + static_cast<std::ptrdiff_t>(offset),
                    [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// An MPEG audio frame without a tag in front: eleven set sync bits.
bool mpeg_audio_frame(std::span<const std::uint8_t> head) {
  return head.size() >= 2 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;
}

}  // namespace

FileFormat format_of_contents(std::span<const std::uint8_t> head) {
  for (const Signature& s : signatures)
    if (starts_with_at(head, s.offset, s.bytes)) return {s.medium, s.name};
  if (mpeg_audio_frame(head)) return {Medium::sound, "an MP3 sound"};
  return {};
}

FileFormat format_of_extension(const std::string& file_name) {
  const std::size_t dot = file_name.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = file_name.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  for (const Extension& e : extensions)
    if (extension == e.extension) return {e.medium, e.name};
  return {};
}

}  // namespace check
