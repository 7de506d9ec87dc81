// Loading one 1024 x 768 24-bit page picture onto a 32-bit surface, against SDL's and
// stb_image's loaders and a plain memcpy of the picture's pixel bytes, in one run.
#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include "support/time_collector.h"
#include <stb/stb_image.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/bmp/bmp.h"
#include "support/bmp_writer.h"

namespace {

constexpr int w = platform::screen_width;
constexpr int h = platform::screen_height;
constexpr std::size_t pixel_offset = 54;  // the file and info headers

std::string picture_bytes() {
  return test_support::make_bmp24(w, h, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 3 & 255) << 16 | (y & 255) << 8 | ((x ^ y) & 255));
  });
}

// The picture file, written once into a private temp folder and removed at exit.
class PictureFile {
 public:
  PictureFile() {
    dir_ = std::filesystem::temp_directory_path() / ("bench_bmp." + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    bytes_ = picture_bytes();
    std::ofstream(path(), std::ios::binary) << bytes_;
  }
  ~PictureFile() { std::filesystem::remove_all(dir_); }
  std::string path() const { return (dir_ / "page.bmp").string(); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::filesystem::path dir_;
  std::string bytes_;
};

const PictureFile& picture() {
  static const PictureFile file;
  return file;
}

void ours_onto_surface(benchmark::State& state) {
  auto surface = platform::make_surface(w, h, platform::PixelFormat::xrgb8888);
  const std::string path = picture().path();
  for (auto _ : state) {
    if (!platform::load_bmp_file_onto_surface(path, surface)) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(surface.pixels.data());
    benchmark::ClobberMemory();
  }
}

void sdl_load_and_convert(benchmark::State& state) {
  const std::string path = picture().path();
  for (auto _ : state) {
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    SDL_Surface* converted = loaded ? SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XRGB8888, 0) : nullptr;
    if (!converted) state.SkipWithError("SDL failed");
    benchmark::DoNotOptimize(converted);
    SDL_FreeSurface(converted);
    SDL_FreeSurface(loaded);
  }
}

void stb_load(benchmark::State& state) {
  const std::string path = picture().path();
  for (auto _ : state) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(path.c_str(), &width, &height, &channels, 4);
    if (!pixels) state.SkipWithError("stb failed");
    benchmark::DoNotOptimize(pixels);
    stbi_image_free(pixels);
  }
}

void memcpy_pixels(benchmark::State& state) {
  const std::string& bytes = picture().bytes();
  const std::size_t size = bytes.size() - pixel_offset;
  std::vector<char> copy(size);
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data() + pixel_offset, size);
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}

// A second each: shorter runs swing by tens of percent on a shared two-core machine.
constexpr double seconds_each = 1.0;
BENCHMARK(ours_onto_surface)->MinTime(seconds_each)->UseRealTime();
BENCHMARK(sdl_load_and_convert)->MinTime(seconds_each)->UseRealTime();
BENCHMARK(stb_load)->MinTime(seconds_each)->UseRealTime();
BENCHMARK(memcpy_pixels)->MinTime(seconds_each)->UseRealTime();


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  picture();
  TimeCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  const double ours = collector.times["ours_onto_surface"].real;
  const double sdl = collector.times["sdl_load_and_convert"].real;
  if (ours <= 0 || sdl <= 0) return 1;
  std::printf("bmp load 1024x768x24 (ms): ours %.3f, SDL %.3f, stb_image %.3f, memcpy of the pixels %.3f\n",
              ours / 1e6, sdl / 1e6, collector.times["stb_load"].real / 1e6, collector.times["memcpy_pixels"].real / 1e6);
  std::printf("RATIO bmp_decode_vs_sdl %.3f goal <= 0.5\n", ours / sdl);
  return 0;
}
