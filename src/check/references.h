#pragma once
// One file the book refers to, checked as the player would use it: missing, in another format,
// refused by the player's reader, or found only by ignoring letter case.
#include <optional>
#include <string>

#include "check/book_files.h"
#include "check/findings.h"

namespace check {

struct Checking {
  Findings& findings;
  BookFiles& files;
};

struct Reference {
  Place place;
  std::string field;         // "box 2 picture 42"
  std::string windows_name;  // as the player builds it; empty when the name is too long
  std::string if_unusable;   // what the reader gets when the file cannot be used
};

// A page picture, the interface picture and the title picture fill the screen: any other
// size is reported. Box pictures may have any size.
enum class PictureUse { whole_screen, box };

// The picture's facts when the player can use it.
std::optional<PictureFacts> check_picture(Checking& c, const Reference& ref, PictureUse use);

// `if_refused` is what the reader gets when the file is there but cannot be played, which for
// the music differs from a missing file.
void check_sound(Checking& c, const Reference& ref, const std::string& if_refused);

// Looks the name up and reports a missing file (naming a file of another format of `medium`
// beside it, if there is one) or a name found only by ignoring letter case. The found path.
std::optional<std::string> find_reference(Checking& c, const Reference& ref, Medium medium);

}  // namespace check
