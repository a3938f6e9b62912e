#include "fractal/corner_method.h"

#include <algorithm>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/xor_figures.h"
#include "preprocess/corner_walk.h"
#include "preprocess/simplify_contour.h"
#include "services/stop_request.h"

namespace kep {

std::vector<CornerTotals> SumCorners(const std::vector<PointSeries>& outlines,
                                     std::span<const double> tolerances, CornerMeasure measure) {
  std::vector<CornerTotals> totals(tolerances.size());
  // The first and the latest corner of the outline at hand, for each tolerance.
  std::vector<SeriesPoint> first(tolerances.size());
  std::vector<SeriesPoint> latest(tolerances.size());
  for (const PointSeries& outline : outlines) {
    StopPoint();
    if (outline.Count() == 0) continue;
    if (measure == CornerMeasure::kCount) {
      ForEachCorner(outline.Data(), outline.Count(), tolerances,
                    [&](std::size_t t, const SeriesPoint&) { ++totals[t].corners; });
      continue;
    }
    std::fill(first.begin(), first.end(), outline[0]);
    std::fill(latest.begin(), latest.end(), outline[0]);
    ForEachCorner(outline.Data(), outline.Count(), tolerances,
                  [&](std::size_t t, const SeriesPoint& corner) {
                    // The first corner is the outline's first point; its side from
                    // `latest` has length 0 and leaves the sum as it is.
                    totals[t].perimeter += PointDistance(latest[t], corner);
                    latest[t] = corner;
                    ++totals[t].corners;
                  });
    for (std::size_t t = 0; t < tolerances.size(); ++t) {
      totals[t].perimeter += PointDistance(latest[t], first[t]);
    }
  }
  return totals;
}

PointSeries CornerMethodPoints(const std::vector<PointSeries>& outlines, CornerMeasure measure,
                               std::int32_t fromTenths, std::int32_t toTenths,
                               std::int32_t stepTenths, const ToleranceHook& afterEach) {
  std::vector<double> tolerances;
  ForEachTolerance(fromTenths, toTenths, stepTenths,
                   [&](double tolerance) { tolerances.push_back(tolerance); });
  const std::vector<CornerTotals> totals = SumCorners(outlines, tolerances, measure);
  PointSeries points;
  for (std::size_t t = 0; t < tolerances.size(); ++t) {
    const std::int32_t value = measure == CornerMeasure::kCount
                                   ? ClampToInt32(totals[t].corners)
                                   : TruncateToInt32(totals[t].perimeter);
    points.Append(TruncateToInt32(tolerances[t] * 10.0), std::max(value, 1));
    if (afterEach) afterEach(tolerances[t]);
  }
  return points;
}

namespace {

// The method with its corners flashed on the window for each tolerance.
void CornerMethod(const FractalEngine& engine, MethodRun& run, CornerMeasure measure) {
  if (engine.outlines.empty()) return;
  XorFigures figures(run.animation, kRed);
  ToleranceHook showCorners;
  if (figures.Active()) {
    showCorners = [&](double tolerance) {
      figures.Flash([&] {
        for (const PointSeries& outline : engine.outlines) {
          if (outline.Count() == 0) continue;
          const std::int32_t corners = SimplifyContour(outline.Data(), outline.Count(), tolerance);
          for (std::int32_t i = 0; i < corners; ++i) figures.CornerMark(CornerPoints()[i]);
        }
      });
    };
  }
  AppendPoints(run.points, CornerMethodPoints(engine.outlines, measure, engine.param1,
                                              engine.param2, engine.param3, showCorners));
}

}  // namespace

void CornerCountMethod(const FractalEngine& engine, MethodRun& run) {
  CornerMethod(engine, run, CornerMeasure::kCount);
}

void CornerPerimeterMethod(const FractalEngine& engine, MethodRun& run) {
  CornerMethod(engine, run, CornerMeasure::kPerimeter);
}

}  // namespace kep
