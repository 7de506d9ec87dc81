#pragma once
// What every book has once: lurinf.bin, the book file, the interface and title pictures, the
// title music and the sounds the player loads at start or plays as effects.
#include "book/book_file.h"
#include "check/references.h"

namespace check {

void check_book_items(Checking& c, bool book_file_read, const BookFileFacts& facts);

}  // namespace check
