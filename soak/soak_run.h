#pragma once
// One soak run: rozeva-headless plays a script in a book folder while every book and backup
// it saves is checked the moment it lands; then the run's end is judged.
#include <filesystem>
#include <string>

namespace soak {

struct RunReport {
  std::string problem;  // empty when the run passed
  int saves = 0;        // book files the program saved (each checked)
  int backups = 0;
  double seconds = 0;
};

// `starts`: the book's configuration reads, so the run must reach the script's end (its shot
// "end") before it ends through the program's exit path.
RunReport run_soak(const std::string& headless, const std::filesystem::path& folder,
                   const std::filesystem::path& script, const std::filesystem::path& work, bool starts);

}  // namespace soak
