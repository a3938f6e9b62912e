#include "fractal/cumulative_intersection_method.h"

#include <algorithm>
#include <cstdint>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/radius_steps.h"
#include "fractal/ring_animation.h"

namespace kep {

PointSeries OutlineCentres(const std::vector<PointSeries>& outlines, SeriesPoint origin) {
  PointSeries centres;
  for (const PointSeries& outline : outlines) {
    const std::int32_t n = outline.Count();
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    for (std::int32_t i = 1; i < n; ++i) {
      sumX += std::int64_t{outline[i].x} + origin.x;
      sumY += std::int64_t{outline[i].y} + origin.y;
    }
    const std::int64_t cx = n == 0 ? 0 : sumX / n;
    const std::int64_t cy = n == 0 ? 0 : sumY / n;
    centres.Append(static_cast<std::int32_t>(cx - origin.x),
                   static_cast<std::int32_t>(cy - origin.y));
  }
  return centres;
}

// Each pixel's distance from its centre is bucketed once under the first radius
// that reaches it; the count of a radius is the sum of its bucket and the earlier ones.
PointSeries CumulativeIntersectionPoints(const std::vector<PointSeries>& outlines,
                                         const ScaleRange& range, const ScaleHook& afterEach,
                                         SeriesPoint origin) {
  PointSeries points;
  const PointSeries centres = OutlineCentres(outlines, origin);
  // Every pixel but the first of each outline, with its outline's centre.
  const auto forEachPixel = [&](auto visit) {
    for (std::size_t k = 0; k < outlines.size(); ++k) {
      const SeriesPoint centre = centres[static_cast<std::int32_t>(k)];
      for (std::int32_t i = 1; i < outlines[k].Count(); ++i) visit(outlines[k][i], centre);
    }
  };
  std::uint64_t largest = 0;
  forEachPixel([&](const SeriesPoint& p, const SeriesPoint& c) {
    largest = std::max(largest, SquaredDistance(p, c));
  });
  const RadiusSteps radii(range);
  std::vector<std::int64_t> firstWithin(static_cast<std::size_t>(radii.CountReaching(largest)), 0);
  forEachPixel([&](const SeriesPoint& p, const SeriesPoint& c) {
    const std::int64_t k = radii.FirstReaching(SquaredDistance(p, c));
    if (k < static_cast<std::int64_t>(firstWithin.size())) {
      ++firstWithin[static_cast<std::size_t>(k)];
    }
  });
  ForEachCumulativeCount(radii, firstWithin, [&](std::int32_t radius, std::int64_t count) {
    points.Append(radius, std::max(ClampToInt32(count), 1));
    if (afterEach) afterEach(radius);
  });
  return points;
}

void CumulativeIntersectionMethod(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  RingAnimation rings(run.animation, static_cast<std::uint8_t>(engine.objectValue));
  if (run.animation &&
      !rings.StartFromPoints(engine.outlineImage, OutlineCentres(engine.outlines, engine.origin))) {
    return;
  }
  AppendPoints(run.points, CumulativeIntersectionPoints(
                               engine.outlines, {engine.param1, engine.param2, engine.param3},
                               rings.GrowHook(), engine.origin));
}

}  // namespace kep
