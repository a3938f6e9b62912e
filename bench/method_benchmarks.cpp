// Each of the eleven methods with its default parameters on every picture, and the
// plain reference form of each method that has a faster one, where it finishes
// in reasonable time.

#include <benchmark/benchmark.h>

#include <set>
#include <string>

#include "bench_pictures.h"
#include "bench_registry.h"
#include "fractal/box_counting.h"
#include "fractal/dilation_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/method_table.h"
#include "reference/method_reference.h"

namespace kep::bench {

namespace {

void SetDefaults(FractalEngine& engine, std::uint32_t method) {
  engine.param1 = kMethods[method].parameters[0].value;
  engine.param2 = kMethods[method].parameters[1].value;
  engine.param3 = kMethods[method].parameters[2].value;
}

ScaleRange Range(const FractalEngine& engine) {
  return {engine.param1, engine.param2, engine.param3};
}

// The method of the table; the distance map stays in the run instead of taking
// the outline image's place, so that every iteration measures the same picture.
void RunFast(const FractalEngine& engine, std::uint32_t method, PointSeries& points) {
  MethodRun run{points, nullptr, std::nullopt};
  kMethods[method].measure(engine, run);
}

bool HasPlainForm(std::uint32_t method) {
  switch (method) {
    case kDilationIndex:
    case kDistanceMapIndex:
    case kBoxCountingIndex:
    case kCumulativeIntersectionIndex:
    case kMassRadiusLongIndex:
    case kMassRadiusShortIndex:
      return true;
    default:
      return false;
  }
}

void RunPlain(FractalEngine& engine, std::uint32_t method, PointSeries& points) {
  switch (method) {
    case kDilationIndex:
      reference::MeasureDilation(engine, points);
      break;
    case kDistanceMapIndex: {
      ImageBuffer map;
      reference::MeasureDistanceMap(engine, points, map);
      break;
    }
    case kBoxCountingIndex:
      reference::MeasureBoxCounts(engine, points);
      break;
    case kCumulativeIntersectionIndex:
      points = reference::CumulativeIntersectionPoints(engine.outlines, Range(engine));
      break;
    case kMassRadiusLongIndex:
      points = reference::MassRadiusPoints(engine.outlines, MassRadiusForm::kLong, Range(engine));
      break;
    case kMassRadiusShortIndex:
      points = reference::MassRadiusPoints(engine.outlines, MassRadiusForm::kShort, Range(engine));
      break;
  }
}

// The plain pair tests grow with the square of the outline length: beyond about
// 5e8 pairs per radius (the 2048-pixel snowflake) they take minutes.
bool PlainTooSlow(std::uint32_t method, const PictureSpec& picture) {
  if (method != kMassRadiusLongIndex && method != kMassRadiusShortIndex) return false;
  double pairs = 0.0;
  for (const PointSeries& outline : PreparedEngine(picture).outlines) {
    pairs += static_cast<double>(outline.Count()) * outline.Count();
  }
  return pairs > 5e8;
}

}  // namespace

void RegisterMethodBenchmarks() {
  for (const PictureSpec& picture : Pictures()) {
    for (std::uint32_t method = 0; method < kMethodCount; ++method) {
      const std::string subject = std::string(kMethods[method].cliName) + "/" + picture.name;
      RegisterTimed("fast/" + subject, [&picture, method](benchmark::State& state) {
        FractalEngine& engine = PreparedEngine(picture);
        SetDefaults(engine, method);
        PointSeries warmUp;
        RunFast(engine, method, warmUp);
        for (auto _ : state) {
          PointSeries points;
          RunFast(engine, method, points);
          benchmark::DoNotOptimize(points.Data());
        }
      });
      if (!HasPlainForm(method) || PlainTooSlow(method, picture)) continue;
      RegisterTimed(
          "plain/" + subject,
          [&picture, method](benchmark::State& state) {
            FractalEngine& engine = PreparedEngine(picture);
            SetDefaults(engine, method);
            for (auto _ : state) {
              PointSeries points;
              RunPlain(engine, method, points);
              benchmark::DoNotOptimize(points.Data());
            }
          },
          /*repetitions=*/1);
    }
  }
}

}  // namespace kep::bench
