#pragma once

#include <cstdint>
#include <vector>

#include "fractal/method_run.h"
#include "fractal/outline_path.h"
#include "fractal/scale_range.h"
#include "image/point_series.h"

namespace kep {

// Horizontal lines `separation` rows apart over the rows top..bottom, the first
// on row `top`.
struct LineGrid {
  std::int32_t top = 0;
  std::int32_t bottom = 0;
  std::int32_t separation = 1;

  bool IsLineRow(std::int32_t y) const;
};

// The walk along one outline that keeps its first pixel and every further pixel
// lying on a line.
OutlinePath LinePath(const PointSeries& outline, const LineGrid& grid);

// (separation, length of all line paths without the side back to the first pixel)
// for each separation of the range, the lines laid over the rows top..bottom.
PointSeries ParallelLinesPoints(const std::vector<PointSeries>& outlines, std::int32_t top,
                                std::int32_t bottom, const ScaleRange& range,
                                const ScaleHook& afterEach = {});

// The parallel-lines method of the method table.
void ParallelLinesMethod(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
