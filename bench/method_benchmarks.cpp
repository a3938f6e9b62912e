// Each of the eleven methods with its default parameters on every picture, and the
// plain reference form of each method that has a faster one, where it finishes
// in reasonable time; the corner count over a thousand tolerances on the sample
// Koch island; and the slowest methods on the 4096-pixel island against box
// counting on it.

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

#include "bench_pictures.h"
#include "bench_registry.h"
#include "fractal/box_counting.h"
#include "fractal/corner_method.h"
#include "fractal/dilation_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/method_table.h"
#include "image/image_file.h"
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
    case kCornerCountIndex:
    case kCornerPerimeterIndex:
      return true;
    default:
      return false;
  }
}

CornerMeasure CornerMeasureOf(std::uint32_t method) {
  return method == kCornerCountIndex ? CornerMeasure::kCount : CornerMeasure::kPerimeter;
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
    case kCornerCountIndex:
    case kCornerPerimeterIndex:
      points = reference::CornerMethodPoints(engine.outlines, CornerMeasureOf(method),
                                             engine.param1, engine.param2, engine.param3);
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

// The outlines of the bright particles of a sample image.
const FractalEngine& SampleEngine(const std::string& name) {
  static std::map<std::string, std::unique_ptr<FractalEngine>> engines;
  std::unique_ptr<FractalEngine>& engine = engines[name];
  if (!engine) {
    static std::map<std::string, ImageBuffer> images;
    ImageBuffer& image = images[name];
    if (LoadImageFile(std::string(KEP_SAMPLES_DIR) + "/" + name, image) !=
        ImageLoadResult::kLoaded) {
      throw std::runtime_error("cannot load the sample " + name);
    }
    engine = std::make_unique<FractalEngine>();
    engine->PrepareImage(image, 255, 0);
  }
  return *engine;
}

// Tolerances 0.1, 0.2, ... 999.9 pixels, the widest range the input form admits.
void RegisterManyTolerances() {
  RegisterTimed("fast/corner-count-1-10000-1/koch-island-8bit", [](benchmark::State& state) {
    const FractalEngine& engine = SampleEngine("koch-island-8bit.bmp");
    for (auto _ : state) {
      const PointSeries points =
          CornerMethodPoints(engine.outlines, CornerMeasure::kCount, 1, 10000, 1);
      benchmark::DoNotOptimize(points.Data());
    }
  });
}

// Box counting over 4 x 4 grid positions against one grid.
void RegisterGridOffsets() {
  RegisterTimed("fast/box-counting-grid-offsets-4/snowflake-4096", [](benchmark::State& state) {
    FractalEngine& engine = PreparedEngine(PictureNamed("snowflake-4096"));
    SetDefaults(engine, kBoxCountingIndex);
    engine.gridOffsets = 4;
    for (auto _ : state) {
      PointSeries points;
      RunFast(engine, kBoxCountingIndex, points);
      benchmark::DoNotOptimize(points.Data());
    }
    engine.gridOffsets = 1;
  });
  CompareTimed({"fast/box-counting-grid-offsets-4/snowflake-4096", "fast/box-counting/snowflake-4096",
                4.0});
}

// The methods that once took far longer than box counting, against it in the same run.
void CompareWithBoxCounting() {
  const std::string yardstick = "fast/box-counting/island-4096";
  CompareTimed({"fast/corner-count/island-4096", yardstick, 5.0});
  CompareTimed({"fast/corner-perimeter/island-4096", yardstick, 5.0});
  CompareTimed({"fast/mass-radius-long/island-4096", yardstick, 3.0});
  CompareTimed({"fast/dilation/island-4096", yardstick, 3.0});
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
  RegisterManyTolerances();
  RegisterGridOffsets();
  CompareWithBoxCounting();
}

}  // namespace kep::bench
