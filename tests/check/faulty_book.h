#pragma once
// A book with one of every fault rozeva-check names, and the findings it must give: each
// planted fault exactly once, nothing else.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "check/finding.h"

namespace check_test {

struct PlantedFault {
  check::Place place;
  check::Severity severity;
  std::string kind;
  std::string field;
};

// Writes the book into `dir` and returns its faults in the check's order.
std::vector<PlantedFault> write_faulty_book(const std::filesystem::path& dir);

}  // namespace check_test
