#include "platform/files/file_lookup.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace platform {
namespace {

bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// Windows' file functions refused folders: a name that ends at a folder names no file.
bool is_folder(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; };
    if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

struct SplitName {
  std::string root;  // "" (relative) or "/"
  std::vector<std::string> components;
};

SplitName split_windows_name(const std::string& name) {
  std::string path = name;
  std::replace(path.begin(), path.end(), '\\', '/');
  SplitName split;
  std::size_t pos = 0;
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  if (drive) {
    pos = 2;  // a drive letter means nothing here: the rest resolves from the working directory
    while (pos < path.size() && path[pos] == '/') ++pos;
  } else if (!path.empty() && path[0] == '/') {
    split.root.push_back('/');  // not = "/": g++ 12 -O2 misreports that as an overlapping copy
  }
  while (pos < path.size()) {
    std::size_t end = path.find('/', pos);
    if (end == std::string::npos) end = path.size();
    if (end > pos) split.components.push_back(path.substr(pos, end - pos));
    pos = end + 1;
  }
  return split;
}

std::string join(const std::string& folder, const std::string& component) {
  if (folder.empty()) return component;
  if (folder == "/") return "/" + component;
  return folder + "/" + component;
}

// The entry of `folder` that `component` names: exact first, then any letter case.
std::optional<std::string> match_component(const std::string& folder, const std::string& component) {
  if (component == "." || component == "..") return component;
  const std::string exact = join(folder, component);
  if (exists(exact)) return component;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string entry_name = entry->d_name;
    if (same_ignoring_case(entry_name, component) && (!best || entry_name < *best)) best = entry_name;
  }
  ::closedir(dir);
  return best;
}

// Resolves the first `count` components of `split`; nullopt when one is missing.
std::optional<FoundFile> resolve_components(const SplitName& split, std::size_t count) {
  FoundFile found{split.root};
  for (std::size_t i = 0; i < count; ++i) {
    const auto entry = match_component(found.path, split.components[i]);
    if (!entry) return std::nullopt;
    found.by_letter_case = found.by_letter_case || *entry != split.components[i];
    found.path = join(found.path, *entry);
  }
  return found;
}

// The entry, file or folder, a Windows name refers to.
std::optional<FoundFile> find_entry(const std::string& windows_name) {
  if (windows_name.empty()) return std::nullopt;
  if (exists(windows_name)) return FoundFile{windows_name};
  const SplitName split = split_windows_name(windows_name);
  if (split.components.empty()) return std::nullopt;
  return resolve_components(split, split.components.size());
}

}  // namespace

std::optional<FoundFile> look_up_file(const std::string& windows_name) {
  auto found = find_entry(windows_name);
  if (found && is_folder(found->path)) return std::nullopt;
  return found;
}

std::optional<std::string> find_file(const std::string& windows_name) {
  auto found = look_up_file(windows_name);
  if (!found) return std::nullopt;
  return std::move(found->path);
}

std::string path_for_writing(const std::string& windows_name) {
  // A folder of that name stays the target, so the write fails as it did on Windows.
  if (const auto found = find_entry(windows_name)) return found->path;
  const SplitName split = split_windows_name(windows_name);
  if (split.components.empty()) return windows_name;
  const std::string& last = split.components.back();
  if (const auto folder = resolve_components(split, split.components.size() - 1))
    return join(folder->path, last);
  std::string path = split.root;
  for (const auto& component : split.components) path = join(path, component);
  return path;
}

}  // namespace platform
