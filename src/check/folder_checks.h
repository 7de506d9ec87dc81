#pragma once
// The book's folder as a whole: files that nothing in the book refers to.
#include "check/references.h"

namespace check {

// Run after everything else has been looked up: hints at every file of the folder and its
// sub-folders (hidden folders left out) that the book never uses.
void check_unused_files(Checking& c);

}  // namespace check
