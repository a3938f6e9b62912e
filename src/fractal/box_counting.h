#pragma once

#include <functional>

#include "fractal/fractal_engine.h"
#include "fractal/method_run.h"
#include "image/point_series.h"

namespace kep {

// What the box counting shows while it runs; each hook may be left empty.
struct BoxCountingView {
  std::function<void(std::int32_t size)> beforeSize;
  // An occupied box, corners included.
  std::function<void(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1)>
      occupiedBox;
  std::function<void()> afterSize;
};

// The points of the box-counting method, from the engine's outline image, object
// value, bounding box and parameters (from size, to size, step): for each box size
// s = from, from + step, ... up to and including the to size, the bounding box is
// tiled with s x s boxes from its top-left corner while the offsets stay below its
// extents (right - left and bottom - top), and (s, the boxes holding an object
// pixel, at least 1) is appended. A from size or step below 1, which would never
// reach the end, gives no point.
void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points,
                      const BoxCountingView& view = {});

// The box-counting method of the method table.
void BoxCounting(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
