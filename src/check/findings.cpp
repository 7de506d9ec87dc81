#include "check/findings.h"

#include <algorithm>
#include <utility>

namespace check {

namespace {

// Book first, then pages by number, then the folder.
std::pair<int, std::int32_t> order_of(const Place& place) {
  switch (place.scope) {
    case Place::Scope::book: return {0, 0};
    case Place::Scope::page: return {1, place.page};
    case Place::Scope::folder: return {2, 0};
  }
  return {3, 0};
}

}  // namespace

const char* severity_name(Severity severity) {
  switch (severity) {
    case Severity::error: return "error";
    case Severity::warning: return "warning";
    case Severity::hint: return "hint";
  }
  return "?";
}

void Findings::add(Place place, Severity severity, std::string kind, std::string field, std::string file,
                   std::string message) {
  findings_.push_back(
      Finding{place, severity, std::move(kind), std::move(field), std::move(file), std::move(message)});
}

std::vector<Finding> Findings::in_order() const {
  std::vector<Finding> sorted = findings_;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const Finding& a, const Finding& b) { return order_of(a.place) < order_of(b.place); });
  return sorted;
}

int Findings::count(Severity severity) const {
  return static_cast<int>(std::count_if(findings_.begin(), findings_.end(),
                                        [severity](const Finding& f) { return f.severity == severity; }));
}

}  // namespace check
