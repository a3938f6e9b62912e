#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "fractal/method_run.h"
#include "image/point_series.h"

namespace kep {

// What the corner method measures at each tolerance.
enum class CornerMeasure { kPerimeter, kCount };

// Called after each tolerance has been measured; the animation hangs on it.
using ToleranceHook = std::function<void(double tolerance)>;

// Visits the tolerances (in pixels) given by the parameters in tenths of a pixel:
// from × 0.1, adding step × 0.1 while below to × 0.1. The sum is accumulated in
// doubles, so from the defaults (10, 80, 3) on the eighth tolerance lies a little
// below its nominal 3.1. A start or a step below 1 gives no tolerance at all.
template <typename Visit>
void ForEachTolerance(std::int32_t fromTenths, std::int32_t toTenths, std::int32_t stepTenths,
                      Visit visit) {
  if (fromTenths < 1 || stepTenths < 1) return;
  const double limit = toTenths * 0.1;
  const double step = stepTenths * 0.1;
  for (double tolerance = fromTenths * 0.1; tolerance < limit; tolerance = tolerance + step) {
    visit(tolerance);
  }
}

struct CornerTotals {
  std::int64_t corners = 0;
  double perimeter = 0.0;
};

// For each tolerance: simplifies every outline with it and sums the corners and,
// for the perimeter measure, the perimeters of the corner polygons (each closed
// back to its first corner), side after side and outline after outline.
std::vector<CornerTotals> SumCorners(const std::vector<PointSeries>& outlines,
                                     std::span<const double> tolerances, CornerMeasure measure);

// (trunc(tolerance × 10), the corner count or the truncated perimeter, at least 1)
// for each tolerance of the parameters.
PointSeries CornerMethodPoints(const std::vector<PointSeries>& outlines, CornerMeasure measure,
                               std::int32_t fromTenths, std::int32_t toTenths,
                               std::int32_t stepTenths, const ToleranceHook& afterEach = {});

// The two corner methods of the method table.
void CornerCountMethod(const FractalEngine& engine, MethodRun& run);
void CornerPerimeterMethod(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
