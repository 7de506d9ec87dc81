#pragma once
#include <filesystem>
#include <string>

namespace test_support {

// A whole file's bytes (empty when it cannot be read), and a file written whole, its folders
// made first.
std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, const std::string& bytes);

// A fresh folder under the system temp dir, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Runs the enclosing scope with the working directory switched to `dir`.
class ScopedWorkingDir {
 public:
  explicit ScopedWorkingDir(const std::filesystem::path& dir);
  ~ScopedWorkingDir();

 private:
  std::filesystem::path previous_;
};

}  // namespace test_support
