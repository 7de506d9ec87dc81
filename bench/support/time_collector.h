#pragma once
// How every benchmark here measures: short runs of each side in random turns, the fastest run
// of each counting. On a shared two-core machine one long run swings by tens of percent with
// the neighbours' load; the fastest of several short ones, interleaved so both sides of a
// ratio see the same moments, comes back within a few percent from run to run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

struct BenchTimes {
  double real = 0;  // wall-clock time per iteration, in the benchmark's time unit
  double cpu = 0;   // CPU time per iteration
};

inline constexpr double short_run_seconds = 0.2;
inline constexpr int short_runs_each = 9;

// For BENCHMARK(...)->Apply(short_runs): measured as short repeated runs.
inline void short_runs(benchmark::internal::Benchmark* benchmark) {
  benchmark->MinTime(short_run_seconds)->Repetitions(short_runs_each);
}

// benchmark::Initialize with the runs of all benchmarks interleaved at random.
inline void initialize_interleaved(int argc, char** argv) {
  std::vector<char*> arguments(argv, argv + argc);
  static std::string interleave = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave.data());
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
}

// A console reporter that also keeps each benchmark's fastest time per iteration, by function
// name, so a benchmark's main can print its goal ratios after the runs.
class TimeCollector : public benchmark::ConsoleReporter {
 public:
  // Without colours, so the goal lines start at the beginning of their lines.
  TimeCollector() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate || run.error_occurred) continue;
      const BenchTimes measured{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      const auto known = times.find(run.run_name.function_name);
      if (known == times.end()) {
        times[run.run_name.function_name] = measured;
      } else {
        known->second.real = std::min(known->second.real, measured.real);
        known->second.cpu = std::min(known->second.cpu, measured.cpu);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, BenchTimes> times;
};
