#include "book_script.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

namespace web_pack {

namespace {

// Files up to this size (encoded) ride in book.js; a script each costs the page a load.
constexpr std::size_t largest_inline_file = 32 * 1024;

constexpr char base64_digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string base64(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    const std::uint32_t group = std::uint32_t{bytes[i]} << 16 | std::uint32_t{bytes[i + 1]} << 8 | bytes[i + 2];
    for (int shift = 18; shift >= 0; shift -= 6) out += base64_digits[group >> shift & 63];
  }
  const std::size_t left = bytes.size() - i;
  if (left > 0) {
    const std::uint32_t group = std::uint32_t{bytes[i]} << 16 | (left == 2 ? std::uint32_t{bytes[i + 1]} << 8 : 0);
    out += base64_digits[group >> 18 & 63];
    out += base64_digits[group >> 12 & 63];
    out += left == 2 ? base64_digits[group >> 6 & 63] : '=';
    out += '=';
  }
  return out;
}

std::string json_string(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// FNV-1a over every name and content, each followed by its length so no two books collide by
// moving bytes from one file to the next.
std::string book_id(const std::vector<BookFile>& files) {
  std::uint64_t hash = 0xcbf29ce484222325ull;
  auto mix = [&hash](const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 0x100000001b3ull;
    for (int shift = 0; shift < 64; shift += 8) hash = (hash ^ (size >> shift & 0xFF)) * 0x100000001b3ull;
  };
  for (const BookFile& file : files) {
    mix(reinterpret_cast<const std::uint8_t*>(file.path.data()), file.path.size());
    mix(file.bytes.data(), file.bytes.size());
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

// Pictures and sounds are stored uncompressed; a page reads far fewer bytes when they are
// deflated (the page inflates them with the browser's own DecompressionStream). Null when
// deflating does not make the file smaller.
std::optional<std::vector<std::uint8_t>> deflated(const std::vector<std::uint8_t>& bytes) {
  uLongf size = compressBound(static_cast<uLong>(bytes.size()));
  std::vector<std::uint8_t> out(size);
  if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), Z_BEST_COMPRESSION) != Z_OK ||
      size >= bytes.size())
    return std::nullopt;
  out.resize(size);
  return out;
}

}  // namespace

BookScripts book_scripts(const std::vector<BookFile>& files, const BookDescription& description) {
  BookScripts scripts;
  std::string& out = scripts.book;
  out = "var RozevaBook = {\"id\": " + json_string(book_id(files)) + ", \"title\": " + json_string(description.title) +
        ", \"bookFile\": " + json_string(description.book_file) + ", \"files\": [\n";
  for (std::size_t i = 0; i < files.size(); ++i) {
    const auto packed = deflated(files[i].bytes);
    const std::string data = base64(packed ? *packed : files[i].bytes);
    out += '[';
    out += json_string(files[i].path);
    out += packed ? ", \"deflate\", " : ", \"raw\", ";
    if (data.size() <= largest_inline_file) {
      out += '"';
      out += data;
      out += "\", null]";
    } else {
      std::string name = book_files_folder;
      name += '/';
      name += std::to_string(i);
      name += ".js";
      out += "null, ";
      out += json_string(name);
      out += ']';
      std::string script = "RozevaBook.arrive(";
      script += json_string(files[i].path);
      script += ", \"";
      script += data;
      script += "\");\n";
      scripts.files.emplace_back(std::move(name), std::move(script));
    }
    out += i + 1 < files.size() ? ",\n" : "\n";
  }
  out += "]};\n";
  return scripts;
}

}  // namespace web_pack
