#pragma once
// One page of the book: its picture, boxes and their highlighted pictures, the values the
// player would treat oddly (mark, level, transitions, boxes off the screen), its sounds and
// its text page.
#include <cstdint>

#include "check/references.h"

namespace check {

void check_page(Checking& c, std::int32_t page);

}  // namespace check
