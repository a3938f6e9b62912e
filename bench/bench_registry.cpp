#include "bench_registry.h"

namespace kep::bench {

namespace {

std::vector<std::string>& Names() {
  static std::vector<std::string> names;
  return names;
}

std::vector<Comparison>& ComparisonList() {
  static std::vector<Comparison> comparisons;
  return comparisons;
}

void Register(const std::string& name, BenchmarkBody body, int repetitions) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(body))
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->MinTime(0.2)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(false);
}

}  // namespace

const std::vector<std::string>& RegisteredNames() { return Names(); }

void RegisterTimed(const std::string& name, BenchmarkBody body, int repetitions) {
  Names().push_back(name);
  Register(name, std::move(body), repetitions);
}

void RegisterComparison(const Comparison& comparison, BenchmarkBody body, BenchmarkBody yardstick) {
  ComparisonList().push_back(comparison);
  Register(comparison.name, std::move(body), 5);
  Register(comparison.yardstick, std::move(yardstick), 5);
}

void CompareTimed(const Comparison& comparison) { ComparisonList().push_back(comparison); }

const std::vector<Comparison>& Comparisons() { return ComparisonList(); }

}  // namespace kep::bench
