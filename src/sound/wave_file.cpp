#include "sound/wave_file.h"

#include <optional>

#include "platform/files/le_reader.h"

namespace {

constexpr std::size_t chunk_header_size = 8;
constexpr std::size_t form_type_size = 4;
constexpr std::uint32_t pcm_record_size = 16;

struct Chunk {
  std::uint64_t data_offset = 0;
  std::uint32_t size = 0;
};

// The offset just past a chunk's contents and its pad byte: chunks start on even offsets.
std::uint64_t after(const Chunk& chunk) { return chunk.data_offset + chunk.size + (chunk.size & 1u); }

// Looks forward from `from` for the chunk `id`, as a search inside the parent ending at
// `parent_end` does: only chunks whose header lies wholly inside the parent and the file.
std::optional<Chunk> find_chunk(const platform::LeReader& file, std::uint64_t from, std::uint64_t parent_end,
                                std::string_view id) {
  std::uint64_t offset = from;
  while (offset + chunk_header_size <= parent_end && file.holds(offset, chunk_header_size)) {
    const Chunk chunk{offset + chunk_header_size, *file.u32(static_cast<std::size_t>(offset) + 4)};
    if (file.holds_text(static_cast<std::size_t>(offset), id)) return chunk;
    offset = after(chunk);
  }
  return std::nullopt;
}

}  // namespace

WaveProblem read_wave_layout(std::span<const std::uint8_t> bytes, WaveLayout& layout) {
  const platform::LeReader file(bytes);
  if (!file.holds_text(0, "RIFF") || !file.holds_text(chunk_header_size, "WAVE")) return WaveProblem::not_riff_wave;
  const std::uint64_t riff_end = chunk_header_size + static_cast<std::uint64_t>(*file.u32(4));

  const auto format = find_chunk(file, chunk_header_size + form_type_size, riff_end, "fmt ");
  if (!format || format->size < pcm_record_size || !file.holds(format->data_offset, pcm_record_size)) {
    return WaveProblem::no_format_chunk;
  }
  const std::size_t at = static_cast<std::size_t>(format->data_offset);
  layout.format_tag = *file.u16(at);
  layout.channels = *file.u16(at + 2);
  layout.samples_per_second = *file.u32(at + 4);
  layout.average_bytes_per_second = *file.u32(at + 8);
  layout.block_align = *file.u16(at + 12);
  layout.bits_per_sample = *file.u16(at + 14);
  if (layout.format_tag != pcm_format_tag) return WaveProblem::not_pcm;

  // The search for the samples goes on from the end of the format chunk, longer ones too.
  const auto data = find_chunk(file, after(*format), riff_end, "data");
  if (!data) return WaveProblem::no_data_chunk;
  layout.data_offset = static_cast<std::size_t>(data->data_offset);
  layout.data_size = data->size;
  return WaveProblem::none;
}

bool parse_wave(std::span<const std::uint8_t> bytes, WaveLayout& layout) {
  return read_wave_layout(bytes, layout) == WaveProblem::none;
}
