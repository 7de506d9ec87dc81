#include "support/shared_material.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace test_support {

std::string shared_path(const std::string& relative) {
  const std::string path = std::string(ROZEVA_SHARED_DIR) + "/" + relative;
  if (!std::filesystem::exists(path))
    ADD_FAILURE() << "shared test material missing: " << path
                  << " (set the CMake cache variable ROZEVA_SHARED_DIR)";
  return path;
}

}  // namespace test_support
