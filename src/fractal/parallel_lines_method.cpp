#include "fractal/parallel_lines_method.h"

#include "fractal/append_points.h"
#include "fractal/fractal_engine.h"
#include "fractal/xor_figures.h"

namespace kep {

bool LineGrid::IsLineRow(std::int32_t y) const {
  if (y < top || y > bottom || separation < 1) return false;
  return (static_cast<std::int64_t>(y) - top) % separation == 0;
}

OutlinePath LinePath(const PointSeries& outline, const LineGrid& grid) {
  OutlinePath path;
  if (outline.Count() == 0) return path;
  path.push_back(outline[0]);
  for (std::int32_t i = 1; i < outline.Count(); ++i) {
    if (grid.IsLineRow(outline[i].y)) path.push_back(outline[i]);
  }
  return path;
}

PointSeries ParallelLinesPoints(const std::vector<PointSeries>& outlines, std::int32_t top,
                                std::int32_t bottom, const ScaleRange& range,
                                const ScaleHook& afterEach) {
  PointSeries points;
  ForEachScale(range, [&](std::int32_t separation) {
    const LineGrid grid{top, bottom, separation};
    double perimeter = 0.0;
    for (const PointSeries& outline : outlines)
      AddOpenPathLength(LinePath(outline, grid), perimeter);
    points.Append(separation, TruncateToInt32(perimeter));
    if (afterEach) afterEach(separation);
  });
  return points;
}

void ParallelLinesMethod(const FractalEngine& engine, MethodRun& run) {
  if (engine.outlines.empty()) return;
  XorFigures figures(run.animation, kRed);
  ScaleHook showLines;
  if (figures.Active()) {
    // The green lines across the bounding box, and in red each outline's path
    // through its pixels on the lines, closed back to its first pixel.
    showLines = [&](std::int32_t separation) {
      const LineGrid grid{engine.top, engine.bottom, separation};
      figures.Flash([&] {
        figures.SelectPen(kGreen);
        for (std::int64_t y = engine.top; y <= engine.bottom; y += separation) {
          const auto row = static_cast<std::int32_t>(y);
          figures.Line({engine.left, row}, {engine.right, row});
        }
        figures.SelectPen(kRed);
        for (const PointSeries& outline : engine.outlines)
          figures.ClosedPath(LinePath(outline, grid));
      });
    };
  }
  AppendPoints(run.points,
               ParallelLinesPoints(engine.outlines, engine.top, engine.bottom,
                                   {engine.param1, engine.param2, engine.param3}, showLines));
}

}  // namespace kep
