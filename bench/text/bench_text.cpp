// A full text page against a plain memcpy of a frame, in one run.
#include <benchmark/benchmark.h>

#include "support/time_collector.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/display/surface.h"
#include "platform/text/text_output.h"

namespace {

using platform::FontId;
using platform::PixelFormat;
using platform::Surface;

constexpr int w = platform::screen_width;
constexpr int h = platform::screen_height;
constexpr int page_lines = 40;
constexpr int line_characters = 60;
constexpr int medium_line_step = 18;

// German prose with umlauts and spaces, as text pages hold it.
std::vector<std::string> page_text() {
  const std::string words =
      "Der kleine B\xE4r geht \xFC"
      "ber die Br\xFC"
      "cke und gr\xFC\xDFt die V\xF6gel am Flu\xDF. ";
  std::vector<std::string> lines;
  for (int i = 0; i < page_lines; ++i) {
    std::string line;
    while (static_cast<int>(line.size()) < line_characters) line += words.substr(i % 7);
    lines.push_back(line.substr(0, line_characters));
  }
  return lines;
}

Surface frame(PixelFormat format) {
  Surface s = platform::make_surface(w, h, format);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) platform::write_pixel(s, x, y, {x & 255, y & 255, 77});
  return s;
}

void memcpy_frame(benchmark::State& state) {
  const Surface source = frame(PixelFormat::xrgb8888);
  Surface destination = platform::make_surface(w, h, PixelFormat::xrgb8888);
  for (auto _ : state) {
    std::memcpy(destination.pixels.data(), source.pixels.data(), source.pixels.size());
    benchmark::DoNotOptimize(destination.pixels.data());
    benchmark::ClobberMemory();
  }
}

// Each line twice, shadow and colour, as a text page is drawn.
void draw_page(benchmark::State& state, PixelFormat format) {
  Surface s = frame(format);
  const auto lines = page_text();
  for (auto _ : state) {
    int y = 10;
    for (const std::string& line : lines) {
      const int length = static_cast<int>(line.size());
      platform::draw_text(s, 11, y + 1, FontId::font_medium, {0, 0, 0}, false, line.data(), length);
      platform::draw_text(s, 10, y, FontId::font_medium, {255, 220, 0}, false, line.data(), length);
      y += medium_line_step;
    }
    benchmark::DoNotOptimize(s.pixels.data());
    benchmark::ClobberMemory();
  }
}

void text_page_xrgb8888(benchmark::State& state) { draw_page(state, PixelFormat::xrgb8888); }
void text_page_rgb565(benchmark::State& state) { draw_page(state, PixelFormat::rgb565); }

// Loading all four fonts from the embedded files, as the first text of a run does.
void load_fonts(benchmark::State& state) {
  Surface s = platform::make_surface(64, 64, PixelFormat::xrgb8888);
  for (auto _ : state) {
    platform::release_fonts();
    for (FontId font :
         {FontId::system_font, FontId::font_small, FontId::font_medium, FontId::font_large})
      platform::draw_text(s, 0, 0, font, {255, 255, 255}, false, "A", 1);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(memcpy_frame)->Apply(short_runs);
BENCHMARK(text_page_xrgb8888)->Apply(short_runs);
BENCHMARK(text_page_rgb565)->Apply(short_runs);
BENCHMARK(load_fonts)->Apply(short_runs)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  initialize_interleaved(argc, argv);
  TimeCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  const double base = collector.times["memcpy_frame"].cpu;
  if (base <= 0) return 1;
  // A full page blends about as many pixels as a frame holds, so it cannot beat a frame copy;
  // the goals keep it within a small multiple of one.
  std::printf("RATIO text_page_vs_memcpy %.3f goal <= 10\n",
              collector.times["text_page_xrgb8888"].cpu / base);
  std::printf("RATIO text_page_rgb565_vs_memcpy %.3f goal <= 25\n",
              collector.times["text_page_rgb565"].cpu / base);
  return 0;
}
