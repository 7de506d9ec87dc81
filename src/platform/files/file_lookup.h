#pragma once
// Books come from Windows: names in configuration files and names the program builds use
// backslashes, drive letters and any letter case. This lookup gives them Windows meaning.
#include <optional>
#include <string>

namespace platform {

// The file a Windows name refers to, if it exists: the name exactly as given first; else the
// name with backslashes as folder separators and a drive letter dropped (the rest resolves from
// the working directory), each path component matched regardless of ASCII letter case. When
// several entries match a component, the exact spelling wins, then the first in byte order.
// "A folder is never a file" (docs/FAITHFULNESS.md): a name that ends at one is not found.
std::optional<std::string> find_file(const std::string& windows_name);

// What find_file finds, and whether it took ignoring letter case to find it (a backslash or a
// dropped drive letter alone does not count): such a name works, but only where case is ignored.
struct FoundFile {
  std::string path;
  bool by_letter_case = false;
};
std::optional<FoundFile> look_up_file(const std::string& windows_name);

// Where writing a Windows name should go: the entry it names if there is one (a folder stays
// the target, so writing fails), or else the folder part resolved as find_file does with the
// last component kept as built. When the folder does not exist either, the name with
// separators converted (opening it then fails).
std::string path_for_writing(const std::string& windows_name);

}  // namespace platform
