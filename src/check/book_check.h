#pragma once
// rozeva-check's whole check of the book in the working directory, read the way the player's
// start-up reads it (lurinf.bin, the book file) with the player's own readers.
#include <cstdint>
#include <string>

#include "check/findings.h"

namespace check {

struct CheckedBook {
  // False when the book cannot be read at all (no lurinf.bin, or not one line in it).
  bool readable = false;
  std::string problem;  // why not
  std::int32_t page_count = 0;
  Findings findings;
};

// Leaves the program's records `config` and `pages` as the player's start-up leaves them.
CheckedBook check_book();

}  // namespace check
