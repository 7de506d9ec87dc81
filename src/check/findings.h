#pragma once
// The findings of one check, kept in the order the book is read: the whole book first, then
// each page in page order, then the folder.
#include <vector>

#include "check/finding.h"

namespace check {

class Findings {
 public:
  void add(Place place, Severity severity, std::string kind, std::string field, std::string file,
           std::string message);

  // Grouped by place (book, pages in page order, folder), each group in the order added.
  std::vector<Finding> in_order() const;

  int count(Severity severity) const;
  // Errors or warnings: the book is not as its author meant.
  bool anything_wrong() const { return count(Severity::error) + count(Severity::warning) > 0; }

 private:
  std::vector<Finding> findings_;
};

}  // namespace check
