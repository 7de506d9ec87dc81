// Whole-frame rectangle copies against a plain memcpy of the same bytes, in one run.
#include <benchmark/benchmark.h>

#include "support/time_collector.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/display/rect_copy.h"
#include "platform/display/surface.h"

namespace {

using platform::PixelFormat;
using platform::Surface;

constexpr int w = platform::screen_width;
constexpr int h = platform::screen_height;

Surface frame_source(bool half_black) {
  Surface s = platform::make_surface(w, h, PixelFormat::xrgb8888);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      // Black runs of uneven length, so the keyed copy cannot predict its way through.
      const bool black = half_black && ((x * 7 + y * 13) % 11) < 5;
      platform::write_pixel(s, x, y, black ? platform::Rgb{} : platform::Rgb{x & 255, y & 255, 77});
    }
  s.color_key_black = true;
  return s;
}

void memcpy_frame(benchmark::State& state) {
  const Surface source = frame_source(false);
  Surface destination = platform::make_surface(w, h, PixelFormat::xrgb8888);
  for (auto _ : state) {
    std::memcpy(destination.pixels.data(), source.pixels.data(), source.pixels.size());
    benchmark::DoNotOptimize(destination.pixels.data());
    benchmark::ClobberMemory();
  }
}

void copy_opaque_frame(benchmark::State& state) {
  const Surface source = frame_source(false);
  Surface destination = platform::make_surface(w, h, PixelFormat::xrgb8888);
  for (auto _ : state) {
    platform::copy_rect(&source, 0, 0, w, h, &destination, 0, 0);
    benchmark::DoNotOptimize(destination.pixels.data());
    benchmark::ClobberMemory();
  }
}

void copy_keyed_frame(benchmark::State& state) {
  const Surface source = frame_source(true);
  Surface destination = platform::make_surface(w, h, PixelFormat::xrgb8888);
  for (auto _ : state) {
    platform::copy_rect_keyed(&source, 0, 0, w, h, &destination, 0, 0);
    benchmark::DoNotOptimize(destination.pixels.data());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(memcpy_frame)->Apply(short_runs);
BENCHMARK(copy_opaque_frame)->Apply(short_runs);
BENCHMARK(copy_keyed_frame)->Apply(short_runs);

}  // namespace

int main(int argc, char** argv) {
  initialize_interleaved(argc, argv);
  TimeCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  const double base = collector.times["memcpy_frame"].cpu;
  if (base <= 0) return 1;
  std::printf("RATIO copy_opaque_vs_memcpy %.3f goal <= 1.2\n", collector.times["copy_opaque_frame"].cpu / base);
  std::printf("RATIO copy_keyed_vs_memcpy %.3f goal <= 1.5\n", collector.times["copy_keyed_frame"].cpu / base);
  return 0;
}
