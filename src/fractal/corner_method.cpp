#include "fractal/corner_method.h"

#include <algorithm>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/xor_figures.h"
#include "preprocess/simplify_contour.h"

namespace kep {

CornerTotals SumCorners(const std::vector<PointSeries>& outlines, double tolerance) {
  CornerTotals totals;
  for (const PointSeries& outline : outlines) {
    if (outline.Count() == 0) continue;
    const std::int32_t corners = SimplifyContour(outline.Data(), outline.Count(), tolerance);
    totals.corners += corners;
    AddClosedPathLength(CornerPoints(), static_cast<std::size_t>(corners), totals.perimeter);
  }
  return totals;
}

PointSeries CornerMethodPoints(const std::vector<PointSeries>& outlines, CornerMeasure measure,
                               std::int32_t fromTenths, std::int32_t toTenths,
                               std::int32_t stepTenths, const ToleranceHook& afterEach) {
  PointSeries points;
  ForEachTolerance(fromTenths, toTenths, stepTenths, [&](double tolerance) {
    const CornerTotals totals = SumCorners(outlines, tolerance);
    const std::int32_t value = measure == CornerMeasure::kCount ? ClampToInt32(totals.corners)
                                                                : TruncateToInt32(totals.perimeter);
    points.Append(TruncateToInt32(tolerance * 10.0), std::max(value, 1));
    if (afterEach) afterEach(tolerance);
  });
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
