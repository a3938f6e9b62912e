#include "fractal/cumulative_intersection_method.h"

#include <algorithm>
#include <cstdint>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/outline_path.h"
#include "fractal/ring_animation.h"

namespace kep {

PointSeries OutlineCentres(const std::vector<PointSeries>& outlines) {
  PointSeries centres;
  for (const PointSeries& outline : outlines) {
    const std::int32_t n = outline.Count();
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    for (std::int32_t i = 1; i < n; ++i) {
      sumX += outline[i].x;
      sumY += outline[i].y;
    }
    if (n == 0) {
      centres.Append(0, 0);
    } else {
      centres.Append(static_cast<std::int32_t>(sumX / n), static_cast<std::int32_t>(sumY / n));
    }
  }
  return centres;
}

PointSeries CumulativeIntersectionPoints(const std::vector<PointSeries>& outlines,
                                         const ScaleRange& range, const ScaleHook& afterEach) {
  PointSeries points;
  const PointSeries centres = OutlineCentres(outlines);
  ForEachScale(range, [&](std::int32_t radius) {
    std::int64_t count = 0;
    for (std::size_t k = 0; k < outlines.size(); ++k) {
      const PointSeries& outline = outlines[k];
      const SeriesPoint centre = centres[static_cast<std::int32_t>(k)];
      for (std::int32_t i = 1; i < outline.Count(); ++i) {
        if (IsWithinRadius(outline[i].x, outline[i].y, radius, centre.x, centre.y)) ++count;
      }
    }
    points.Append(radius, std::max(ClampToInt32(count), 1));
    if (afterEach) afterEach(radius);
  });
  return points;
}

void FractalEngine::CumulativeIntersectionMethod(DrawContext* window) {
  if (outlines.empty()) return;
  RingAnimation rings(*this);
  if (window && !rings.StartFromPoints(window, OutlineCentres(outlines))) return;
  AppendPoints(*result, CumulativeIntersectionPoints(outlines, {param1, param2, param3}, rings.GrowHook()));
}

}  // namespace kep
