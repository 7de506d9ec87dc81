#pragma once
// The files a book refers to, looked up as the player looks them up and each judged once with
// the player's own readers, however many pages use it; and which of the folder's files were
// referred to at all.
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "check/file_formats.h"
#include "platform/files/file_lookup.h"

namespace check {

// What the player makes of a picture file.
struct PictureFacts {
  enum class Verdict { usable, unreadable, other_format, refused };
  Verdict verdict = Verdict::unreadable;
  int width = 0;
  int height = 0;
  // other_format: what it is ("a PNG picture"); refused: what its header says, if anything.
  std::string what;
};

// What the player makes of a sound file.
struct SoundFacts {
  enum class Verdict { playable, unreadable, other_format, refused };
  Verdict verdict = Verdict::unreadable;
  // other_format: what it is; refused: why the player does not play it.
  std::string what;
  std::uint32_t declared_bytes = 0;
  std::uint64_t held_bytes = 0;  // fewer than declared: the rest plays as silence
};

// A file in another format beside a missing one: the same name with another extension.
struct OtherFormatFile {
  std::string path;
  FileFormat format;
};

class BookFiles {
 public:
  // The player's lookup of a Windows name (backslashes, any letter case); a found file counts
  // as used by the book.
  std::optional<platform::FoundFile> look_up(const std::string& windows_name);

  const PictureFacts& picture(const std::string& path);
  const SoundFacts& sound(const std::string& path);

  // A file of another format of `medium` in the folder a missing name points into, whose
  // name differs from it only in its extension (and letter case).
  std::optional<OtherFormatFile> other_format_beside(const std::string& windows_name, Medium medium);

  // True the first time a path is asked about: each name found only by ignoring letter case
  // is reported once.
  bool first_letter_case_report(const std::string& path) { return letter_case_reported_.insert(path).second; }

  void mark_used(const std::string& path);
  bool used(const std::string& path) const;

 private:
  std::map<std::string, std::optional<platform::FoundFile>> lookups_;
  std::map<std::string, PictureFacts> pictures_;
  std::map<std::string, SoundFacts> sounds_;
  std::set<std::string> used_;  // canonical paths
  std::set<std::string> letter_case_reported_;
};

// The canonical form of a path, for telling whether two names are the same file.
std::string canonical_path(const std::string& path);

}  // namespace check
