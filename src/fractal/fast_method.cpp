#include "fractal/fast_method.h"

#include <algorithm>

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/xor_figures.h"

namespace kep {

bool HasFastOutline(const std::vector<PointSeries>& outlines) {
  return std::any_of(outlines.begin(), outlines.end(), [](const PointSeries& outline) {
    return outline.Count() >= kFastMinimumOutline;
  });
}

OutlinePath SampledPath(const PointSeries& outline, std::int32_t interval) {
  OutlinePath path;
  if (interval < 1) return path;
  for (std::int64_t i = 0; i < outline.Count(); i += interval) {
    path.push_back(outline[static_cast<std::int32_t>(i)]);
  }
  return path;
}

OutlinePath HybridPath(const PointSeries& outline, std::int32_t distance) {
  OutlinePath path;
  if (outline.Count() == 0) return path;
  path.push_back(outline[0]);
  for (std::int32_t i = 1; i < outline.Count(); ++i) {
    if (PointDistance(outline[i], path.back()) >= static_cast<double>(distance)) {
      path.push_back(outline[i]);
    }
  }
  return path;
}

PointSeries FastPoints(const std::vector<PointSeries>& outlines, const ScaleRange& range,
                       const ScaleHook& afterEach) {
  PointSeries points;
  if (!HasFastOutline(outlines)) return points;
  ForEachScale(range, [&](std::int32_t interval) {
    double length = 0.0;
    for (const PointSeries& outline : outlines)
      AddClosedPathLength(SampledPath(outline, interval), length);
    points.Append(interval, std::max(TruncateToInt32(length), 1));
    if (afterEach) afterEach(interval);
  });
  return points;
}

PointSeries FastHybridPoints(const std::vector<PointSeries>& outlines, const ScaleRange& range,
                             const ScaleHook& afterEach) {
  PointSeries points;
  ForEachScale(range, [&](std::int32_t distance) {
    double length = 0.0;
    for (const PointSeries& outline : outlines)
      AddClosedPathLength(HybridPath(outline, distance), length);
    points.Append(distance, TruncateToInt32(length));
    if (afterEach) afterEach(distance);
  });
  return points;
}

namespace {

// Shows each outline's path for one scale for a second, then removes it.
template <typename MakePath>
ScaleHook FlashPaths(XorFigures& figures, const std::vector<PointSeries>& outlines,
                     MakePath makePath) {
  if (!figures.Active()) return {};
  return [&figures, &outlines, makePath](std::int32_t scale) {
    figures.Flash([&] {
      for (const PointSeries& outline : outlines) figures.ClosedPath(makePath(outline, scale));
    });
  };
}

}  // namespace

void FastMethod(const FractalEngine& engine, MethodRun& run) {
  if (!HasFastOutline(engine.outlines)) return;
  XorFigures figures(run.animation, kRed);
  AppendPoints(run.points,
               FastPoints(engine.outlines, {engine.param1, engine.param2, engine.param3},
                          FlashPaths(figures, engine.outlines, SampledPath)));
}

void FastHybridMethod(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  XorFigures figures(run.animation, kRed);
  AppendPoints(run.points,
               FastHybridPoints(engine.outlines, {engine.param1, engine.param2, engine.param3},
                                FlashPaths(figures, engine.outlines, HybridPath)));
}

}  // namespace kep
