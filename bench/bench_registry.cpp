#include "bench_registry.h"

namespace kep::bench {

void RegisterTimed(const std::string& name, BenchmarkBody body, int repetitions) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(body))
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.2)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(false);
}

}  // namespace kep::bench
