#pragma once
// A console reporter that also keeps each benchmark's time per iteration, by function name,
// so a benchmark's main can print its goal ratios after the runs. Of repeated runs it keeps
// the fastest: on a shared machine the others measure the neighbours as well.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

struct BenchTimes {
  double real = 0;  // wall-clock time per iteration, in the benchmark's time unit
  double cpu = 0;   // CPU time per iteration
};

class TimeCollector : public benchmark::ConsoleReporter {
 public:
  // Without colours, so the goal lines start at the beginning of their lines.
  TimeCollector() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate) continue;
      const BenchTimes measured{run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
      const auto known = times.find(run.run_name.function_name);
      if (known == times.end() || measured.cpu < known->second.cpu)
        times[run.run_name.function_name] = measured;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, BenchTimes> times;
};
