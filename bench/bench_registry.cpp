#include "bench_registry.h"

namespace kep::bench {

namespace {

std::vector<std::string>& Names() {
  static std::vector<std::string> names;
  return names;
}

}  // namespace

const std::vector<std::string>& RegisteredNames() { return Names(); }

void RegisterTimed(const std::string& name, BenchmarkBody body, int repetitions) {
  Names().push_back(name);
  benchmark::RegisterBenchmark(name.c_str(), std::move(body))
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.2)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(false);
}

}  // namespace kep::bench
