#pragma once
#include <string>

namespace test_support {

// Path of a file or folder inside the shared test material (ROZEVA_SHARED_DIR).
// Fails the current test loudly, naming the path, when it is missing.
std::string shared_path(const std::string& relative);

}  // namespace test_support
