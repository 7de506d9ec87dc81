// Loading one 1024 x 768 24-bit page picture onto a 32-bit surface, against SDL's and
// stb_image's loaders and a plain memcpy of the picture's pixel bytes; and a 6000 x 4000
// camera picture shown as a page, against that page picture, in one run.
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
constexpr int camera_width = 6000;
constexpr int camera_height = 4000;

std::string picture_bytes(int width, int height) {
  return test_support::make_bmp24(width, height, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 3 & 255) << 16 | (y & 255) << 8 | ((x ^ y) & 255));
  });
}

// The picture files, written once into a private temp folder and removed at exit; the
// camera picture (72 MB) exists only while the benchmarks run.
class PictureFile {
 public:
  PictureFile() {
    dir_ = std::filesystem::temp_directory_path() / ("bench_bmp." + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    bytes_ = picture_bytes(w, h);
    std::ofstream(path(), std::ios::binary) << bytes_;
    std::ofstream(camera_path(), std::ios::binary) << picture_bytes(camera_width, camera_height);
  }
  ~PictureFile() { std::filesystem::remove_all(dir_); }
  std::string path() const { return (dir_ / "page.bmp").string(); }
  std::string camera_path() const { return (dir_ / "camera.bmp").string(); }
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

// Stretched over the page, as the program shows a camera picture.
void camera_picture_onto_surface(benchmark::State& state) {
  auto surface = platform::make_surface(w, h, platform::PixelFormat::xrgb8888);
  const std::string path = picture().camera_path();
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

BENCHMARK(ours_onto_surface)->Apply(short_runs);
BENCHMARK(camera_picture_onto_surface)->Apply(short_runs);
BENCHMARK(sdl_load_and_convert)->Apply(short_runs);
BENCHMARK(stb_load)->Apply(short_runs);
BENCHMARK(memcpy_pixels)->Apply(short_runs);

}  // namespace

int main(int argc, char** argv) {
  initialize_interleaved(argc, argv);
  picture();
  TimeCollector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  benchmark::Shutdown();
  // CPU time (the kernel's reads included): the wall clock of a shared machine swings with the
  // other processes.
  const double ours = collector.times["ours_onto_surface"].cpu;
  const double sdl = collector.times["sdl_load_and_convert"].cpu;
  const double camera = collector.times["camera_picture_onto_surface"].cpu;
  if (ours <= 0 || sdl <= 0 || camera <= 0) return 1;
  std::printf("bmp load 1024x768x24 (ms): ours %.3f, SDL %.3f, stb_image %.3f, memcpy of the pixels %.3f\n",
              ours / 1e6, sdl / 1e6, collector.times["stb_load"].cpu / 1e6, collector.times["memcpy_pixels"].cpu / 1e6);
  std::printf("6000x4000x24 shown stretched (ms): %.3f\n", camera / 1e6);
  std::printf("RATIO bmp_decode_vs_sdl %.3f goal <= 0.5\n", ours / sdl);
  std::printf("RATIO stretch_24mp_vs_page_decode %.3f goal <= 4\n", camera / ours);
  return 0;
}
