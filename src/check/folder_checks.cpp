#include "check/folder_checks.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace check {

void check_unused_files(Checking& c) {
  namespace fs = std::filesystem;
  std::vector<std::string> unused;
  std::error_code ec;
  fs::recursive_directory_iterator it(".", fs::directory_options::skip_permission_denied, ec);
  for (const fs::recursive_directory_iterator end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (it->is_directory(ec)) {
      if (!name.empty() && name[0] == '.') it.disable_recursion_pending();
      continue;
    }
    if (!it->is_regular_file(ec)) continue;
    const std::string path = it->path().lexically_relative(".").string();
    if (!c.files.used(path)) unused.push_back(path);
  }
  std::sort(unused.begin(), unused.end());
  for (const std::string& path : unused)
    c.findings.add(Place::folder(), Severity::hint, "unused-file", "file", path, path + " is used by nothing in the book");
}

}  // namespace check
