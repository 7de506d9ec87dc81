// Mixing the program's four looping channels into 60 s of 48 kHz stereo, against the floor of
// any mixer: summing and saturating four channels whose samples are already at the output rate.
#include <benchmark/benchmark.h>

#include "support/time_collector.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/audio/mixer.h"

namespace {

constexpr std::uint32_t output_rate = 48000;
constexpr std::size_t seconds_mixed = 60;
constexpr std::size_t total_frames = seconds_mixed * output_rate;
constexpr std::size_t callback_frames = 1024;
constexpr std::uint32_t playback_rate = 22050;
constexpr double pi = 3.14159265358979323846;

struct BenchClip {
  std::uint32_t rate;
  std::uint16_t channels;
  std::uint16_t bits;
  double seconds;
  std::int32_t volume;
};

// The program's channels: music and three effects, as books hold them.
constexpr BenchClip clips[] = {
    {22050, 2, 16, 3.1, -900},
    {22050, 1, 8, 1.7, -600},
    {44100, 2, 16, 2.3, -600},
    {11025, 1, 8, 0.9, -600},
};

std::vector<std::uint8_t> tone_bytes(const BenchClip& clip, double hz) {
  const std::size_t frames = static_cast<std::size_t>(clip.seconds * clip.rate);
  std::vector<std::uint8_t> bytes;
  for (std::size_t i = 0; i < frames; ++i) {
    const double v = std::sin(2 * pi * hz * static_cast<double>(i) / clip.rate);
    for (int c = 0; c < clip.channels; ++c) {
      if (clip.bits == 8) {
        bytes.push_back(static_cast<std::uint8_t>(128 + 100 * v));
      } else {
        const auto s = static_cast<std::int16_t>(20000 * v);
        bytes.push_back(static_cast<std::uint8_t>(s & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
      }
    }
  }
  return bytes;
}

platform::Mixer& loaded_mixer() {
  static platform::Mixer mixer;
  static bool loaded = false;
  if (!loaded) {
    mixer.set_output_rate(output_rate);
    for (int i = 0; i < 4; ++i) {
      const BenchClip& clip = clips[i];
      const auto bytes = tone_bytes(clip, 220.0 * (i + 1));
      const std::uint16_t block = static_cast<std::uint16_t>(clip.channels * clip.bits / 8);
      mixer.load(i + 1, {clip.channels, clip.rate, block, clip.bits}, static_cast<std::uint32_t>(bytes.size()), bytes);
      mixer.set_frequency(i + 1, playback_rate);
      mixer.set_volume(i + 1, clip.volume);
      mixer.play(i + 1, true);
    }
    loaded = true;
  }
  return mixer;
}

void mix_sixty_seconds(benchmark::State& state) {
  platform::Mixer& mixer = loaded_mixer();
  std::vector<std::int16_t> out(2 * callback_frames);
  for (auto _ : state) {
    for (std::size_t done = 0; done < total_frames; done += callback_frames) {
      mixer.mix(out.data(), callback_frames);
      benchmark::DoNotOptimize(out.data());
    }
    benchmark::ClobberMemory();
  }
}

// Four looping stereo streams already at the output rate, as long as the clips sound.
struct FloorStreams {
  std::vector<std::int16_t> samples[4];
  std::size_t position[4] = {};
};

FloorStreams& floor_streams() {
  static FloorStreams streams;
  if (streams.samples[0].empty()) {
    for (int i = 0; i < 4; ++i) {
      const double played = clips[i].seconds * clips[i].rate / playback_rate;
      const std::size_t frames = static_cast<std::size_t>(played * output_rate);
      for (std::size_t f = 0; f < frames; ++f) {
        const auto s = static_cast<std::int16_t>(20000 * std::sin(2 * pi * 220.0 * (i + 1) * f / output_rate));
        streams.samples[i].push_back(s);
        streams.samples[i].push_back(s);
      }
    }
  }
  return streams;
}

void sum_floor_sixty_seconds(benchmark::State& state) {
  FloorStreams& streams = floor_streams();
  std::vector<std::int16_t> out(2 * callback_frames);
  for (auto _ : state) {
    for (std::size_t done = 0; done < total_frames; done += callback_frames) {
      // Runs in which no stream wraps, each a plain loop the compiler vectorises.
      for (std::size_t filled = 0; filled < 2 * callback_frames;) {
        std::size_t run = 2 * callback_frames - filled;
        for (int c = 0; c < 4; ++c) {
          const std::size_t left = streams.samples[c].size() - streams.position[c];
          if (left < run) run = left;
        }
        const std::int16_t* a = streams.samples[0].data() + streams.position[0];
        const std::int16_t* b = streams.samples[1].data() + streams.position[1];
        const std::int16_t* c = streams.samples[2].data() + streams.position[2];
        const std::int16_t* d = streams.samples[3].data() + streams.position[3];
        std::int16_t* o = out.data() + filled;
        for (std::size_t i = 0; i < run; ++i) {
          const std::int32_t v = a[i] + b[i] + c[i] + d[i];
          o[i] = static_cast<std::int16_t>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v));
        }
        for (int s = 0; s < 4; ++s) {
          streams.position[s] += run;
          if (streams.position[s] == streams.samples[s].size()) streams.position[s] = 0;
        }
        filled += run;
      }
      benchmark::DoNotOptimize(out.data());
    }
    benchmark::ClobberMemory();
  }
}


}  // namespace

BENCHMARK(mix_sixty_seconds)->Apply(short_runs)->Unit(benchmark::kMillisecond);
BENCHMARK(sum_floor_sixty_seconds)->Apply(short_runs)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  initialize_interleaved(argc, argv);
  TimeCollector reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // Both run in milliseconds; the ratios below want seconds.
  const BenchTimes mix{reporter.times["mix_sixty_seconds"].real / 1000, reporter.times["mix_sixty_seconds"].cpu / 1000};
  const BenchTimes floor{reporter.times["sum_floor_sixty_seconds"].real / 1000,
                         reporter.times["sum_floor_sixty_seconds"].cpu / 1000};
  if (mix.cpu <= 0 || floor.cpu <= 0) {
    std::fprintf(stderr, "bench_sound: a benchmark did not run\n");
    return 1;
  }
  std::printf("mix: %.2f ms per 60 s, real-time factor %.0f; floor: %.2f ms\n", mix.real * 1000,
              seconds_mixed / mix.real, floor.real * 1000);
  std::printf("RATIO mix_vs_sum_floor %.3f goal <= 3\n", mix.cpu / floor.cpu);
  std::printf("RATIO mix_cpu_share %.6f goal <= 0.001\n", mix.cpu / seconds_mixed);
  return 0;
}
