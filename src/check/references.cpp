#include "check/references.h"

#include "platform/display/surface.h"

namespace check {

namespace {

std::string size_text(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

void report_other_format_beside(Checking& c, const Reference& ref, const OtherFormatFile& other, Medium medium) {
  const bool own_format = other.format.name == (medium == Medium::picture ? "a BMP picture" : "a WAV sound");
  const std::string target = platform::path_for_writing(ref.windows_name);
  const std::string advice = own_format ? "only its name differs: rename it to " + target
                             : medium == Medium::picture
                                 ? "the player reads only BMP files (convert " + other.path +
                                       " -type truecolor BMP3:" + target + " makes one)"
                                 : "the player plays only PCM WAV files (ffmpeg -i " + other.path +
                                       " -c:a pcm_s16le " + target + " makes one)";
  c.findings.add(ref.place, Severity::error, "other-format", ref.field, ref.windows_name,
                 ref.windows_name + " is missing, but " + other.path + " is " + other.format.name + ": " + advice +
                     "; " + ref.if_unusable);
}

}  // namespace

std::optional<std::string> find_reference(Checking& c, const Reference& ref, Medium medium) {
  if (ref.windows_name.empty()) {
    c.findings.add(ref.place, Severity::error, "missing-file", ref.field, "",
                   "its file name, prefix included, is too long for the player to open; " + ref.if_unusable);
    return std::nullopt;
  }
  const auto found = c.files.look_up(ref.windows_name);
  if (!found) {
    if (const auto other = c.files.other_format_beside(ref.windows_name, medium))
      report_other_format_beside(c, ref, *other, medium);
    else
      c.findings.add(ref.place, Severity::error, "missing-file", ref.field, ref.windows_name,
                     ref.windows_name + " is missing; " + ref.if_unusable);
    return std::nullopt;
  }
  if (found->by_letter_case && c.files.first_letter_case_report(found->path))
    c.findings.add(ref.place, Severity::hint, "letter-case", ref.field, ref.windows_name,
                   ref.windows_name + " is found as " + found->path +
                       " only by ignoring letter case; it works, but keep the names as the book spells them");
  return found->path;
}

std::optional<PictureFacts> check_picture(Checking& c, const Reference& ref, PictureUse use) {
  const auto path = find_reference(c, ref, Medium::picture);
  if (!path) return std::nullopt;
  const PictureFacts& facts = c.files.picture(*path);
  switch (facts.verdict) {
    case PictureFacts::Verdict::unreadable:
      c.findings.add(ref.place, Severity::error, "picture-refused", ref.field, ref.windows_name,
                     *path + " cannot be read; " + ref.if_unusable);
      return std::nullopt;
    case PictureFacts::Verdict::other_format:
      c.findings.add(ref.place, Severity::error, "other-format", ref.field, ref.windows_name,
                     *path + " is " + facts.what + ", not a BMP: the player reads only BMP files (convert " + *path +
                         " -type truecolor BMP3:" + *path + " makes it one); " + ref.if_unusable);
      return std::nullopt;
    case PictureFacts::Verdict::refused:
      c.findings.add(ref.place, Severity::error, "picture-refused", ref.field, ref.windows_name,
                     *path + " is refused by the player's BMP reader: " + facts.what + "; " + ref.if_unusable);
      return std::nullopt;
    case PictureFacts::Verdict::usable: break;
  }
  if (use == PictureUse::whole_screen &&
      (facts.width != platform::screen_width || facts.height != platform::screen_height)) {
    const bool smaller = facts.width <= platform::screen_width && facts.height <= platform::screen_height;
    c.findings.add(ref.place, Severity::warning, "picture-size", ref.field, ref.windows_name,
                   *path + " is " + size_text(facts.width, facts.height) + ", not " +
                       size_text(platform::screen_width, platform::screen_height) + ": " +
                       (smaller ? "the picture shown before it stays visible around it"
                                : "the player squeezes it onto the screen without smoothing"));
  }
  return facts;
}

void check_sound(Checking& c, const Reference& ref, const std::string& if_refused) {
  const auto path = find_reference(c, ref, Medium::sound);
  if (!path) return;
  const SoundFacts& facts = c.files.sound(*path);
  switch (facts.verdict) {
    case SoundFacts::Verdict::unreadable:
      c.findings.add(ref.place, Severity::error, "sound-refused", ref.field, ref.windows_name,
                     *path + " cannot be read; " + if_refused);
      return;
    case SoundFacts::Verdict::other_format:
      c.findings.add(ref.place, Severity::error, "other-format", ref.field, ref.windows_name,
                     *path + " is " + facts.what + ", not a WAV: the player plays only PCM WAV files (ffmpeg -i " +
                         *path + " -c:a pcm_s16le NEW.WAV makes one); " + if_refused);
      return;
    case SoundFacts::Verdict::refused:
      c.findings.add(ref.place, Severity::error, "sound-refused", ref.field, ref.windows_name,
                     *path + " is not played: " + facts.what +
                         ", and the player plays only 8- and 16-bit PCM (sox " + *path +
                         " -b 16 NEW.WAV makes one); " + if_refused);
      return;
    case SoundFacts::Verdict::playable: break;
  }
  if (facts.held_bytes < facts.declared_bytes)
    c.findings.add(ref.place, Severity::warning, "sound-truncated", ref.field, ref.windows_name,
                   *path + " ends early: it holds " + std::to_string(facts.held_bytes) + " of its " +
                       std::to_string(facts.declared_bytes) + " bytes of sound, and the rest plays as silence");
}

}  // namespace check
