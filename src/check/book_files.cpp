#include "check/book_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "check/file_descriptions.h"
#include "platform/audio/audio.h"
#include "platform/bmp/bmp_layout.h"
#include "platform/bmp/bmp_source.h"
#include "platform/files/whole_file.h"
#include "sound/wave_file.h"

namespace check {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t head_size = 16;

std::vector<std::uint8_t> head_of(const fs::path& path) {
  std::vector<std::uint8_t> head(head_size);
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(in.gcount()));
  return head;
}

bool same_ignoring_case(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
           return lower(x) == lower(y);
         });
}

PictureFacts judge_picture(const std::string& path) {
  PictureFacts facts;
  const auto file = platform::WholeFile::read(path);
  if (!file) return facts;
  const FileFormat format = format_of_contents(file->bytes());
  if (format.medium != Medium::none && format.name != "a BMP picture") {
    facts.verdict = PictureFacts::Verdict::other_format;
    facts.what = format.name;
    return facts;
  }
  platform::MemoryBmpSource source(file->data(), file->size());
  const auto layout = platform::read_bmp_layout(source);
  if (!layout) {
    facts.verdict = PictureFacts::Verdict::refused;
    facts.what = describe_refused_bmp(file->bytes());
    return facts;
  }
  facts.verdict = PictureFacts::Verdict::usable;
  facts.width = layout->width;
  facts.height = layout->height;
  return facts;
}

SoundFacts judge_sound(const std::string& path) {
  SoundFacts facts;
  const auto file = platform::WholeFile::read(path);
  if (!file) return facts;
  WaveLayout layout;
  const WaveProblem problem = read_wave_layout(file->bytes(), layout);
  if (problem == WaveProblem::not_riff_wave) {
    const FileFormat format = format_of_contents(file->bytes());
    if (format.medium != Medium::none && format.name != "a WAV sound") {
      facts.verdict = SoundFacts::Verdict::other_format;
      facts.what = format.name;
      return facts;
    }
  }
  facts.verdict = SoundFacts::Verdict::refused;
  if (problem != WaveProblem::none) {
    facts.what = describe_wave_problem(problem, layout);
    return facts;
  }
  const platform::ClipFormat clip{layout.channels, layout.samples_per_second, layout.block_align,
                                  layout.bits_per_sample};
  if (!platform::clip_format_acceptable(clip, layout.data_size)) {
    facts.what = describe_refused_clip(clip, layout.data_size);
    return facts;
  }
  facts.verdict = SoundFacts::Verdict::playable;
  facts.declared_bytes = layout.data_size;
  facts.held_bytes = file->size() - layout.data_offset;
  return facts;
}

}  // namespace

std::string canonical_path(const std::string& path) {
  std::error_code ec;
  const fs::path canonical = fs::weakly_canonical(path, ec);
  return ec ? path : canonical.string();
}

std::optional<platform::FoundFile> BookFiles::look_up(const std::string& windows_name) {
  const auto known = lookups_.find(windows_name);
  if (known != lookups_.end()) return known->second;
  auto found = platform::look_up_file(windows_name);
  if (found) mark_used(found->path);
  lookups_.emplace(windows_name, found);
  return found;
}

const PictureFacts& BookFiles::picture(const std::string& path) {
  const auto known = pictures_.find(path);
  if (known != pictures_.end()) return known->second;
  return pictures_.emplace(path, judge_picture(path)).first->second;
}

const SoundFacts& BookFiles::sound(const std::string& path) {
  const auto known = sounds_.find(path);
  if (known != sounds_.end()) return known->second;
  return sounds_.emplace(path, judge_sound(path)).first->second;
}

std::optional<OtherFormatFile> BookFiles::other_format_beside(const std::string& windows_name, Medium medium) {
  const fs::path target = platform::path_for_writing(windows_name);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::error_code ec;
  std::vector<fs::path> candidates;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path name = it->path().filename();
    if (it->is_regular_file(ec) && same_ignoring_case(name.stem().string(), target.stem().string()) &&
        !same_ignoring_case(name.extension().string(), target.extension().string()))
      candidates.push_back(target.has_parent_path() ? folder / name : name);
  }
  std::sort(candidates.begin(), candidates.end());
  for (const fs::path& candidate : candidates) {
    FileFormat format = format_of_contents(head_of(candidate));
    if (format.medium == Medium::none) format = format_of_extension(candidate.string());
    if (format.medium != medium) continue;
    mark_used(candidate.string());
    return OtherFormatFile{candidate.string(), format};
  }
  return std::nullopt;
}

void BookFiles::mark_used(const std::string& path) { used_.insert(canonical_path(path)); }

bool BookFiles::used(const std::string& path) const { return used_.count(canonical_path(path)) > 0; }

}  // namespace check
