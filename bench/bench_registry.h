#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace kep::bench {

using BenchmarkBody = std::function<void(benchmark::State&)>;

// Registers a benchmark timed in milliseconds of wall-clock time, repeated for
// at least 0.2 s (a run that takes longer is timed once), the whole measurement
// `repetitions` times: other work on a shared machine slows some of them, and
// the table keeps the fastest. Names are "fast/SUBJECT/PICTURE",
// "plain/SUBJECT/PICTURE" or "SUBJECT/PICTURE"; the results table pairs a plain
// form with the fast one of the same subject and picture.
void RegisterTimed(const std::string& name, BenchmarkBody body, int repetitions = 5);

// The names given to RegisterTimed, in the order they were registered.
const std::vector<std::string>& RegisteredNames();

// An operation timed against a yardstick measured in the same run, such as
// loading an image file against reading its bytes; the results table gives
// their ratio beside the target it should stay within.
struct Comparison {
  std::string name;
  std::string yardstick;
  double target;
};
void RegisterComparison(const Comparison& comparison, BenchmarkBody body, BenchmarkBody yardstick);
// The same for two benchmarks registered with RegisterTimed already.
void CompareTimed(const Comparison& comparison);
const std::vector<Comparison>& Comparisons();

void RegisterMethodBenchmarks();
void RegisterMeasureBenchmarks();
void RegisterPreprocessBenchmarks();
void RegisterImageFileBenchmarks();

}  // namespace kep::bench
