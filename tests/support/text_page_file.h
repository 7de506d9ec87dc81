#pragma once
// The six header lines of a text page: position, size code and colour, one number a line.
#include <cstdint>
#include <initializer_list>
#include <string>

namespace test_support {

inline std::string text_page_header(std::int64_t x, std::int64_t y, std::int64_t size, std::int64_t red,
                                    std::int64_t green, std::int64_t blue) {
  std::string header;
  for (const std::int64_t v : {x, y, size, red, green, blue}) header += std::to_string(v) + "\n";
  return header;
}

}  // namespace test_support
