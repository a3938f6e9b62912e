#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "fractal/fractal_engine.h"
#include "fractal/method_run.h"
#include "image/point_series.h"
#include "services/stop_request.h"

namespace kep {

// What the box counting shows while it runs; each hook may be left empty.
struct BoxCountingView {
  std::function<void(std::int32_t size)> beforeSize;
  // An occupied box, corners included.
  std::function<void(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1)>
      occupiedBox;
  std::function<void()> afterSize;
};

// The object pixels of the engine's bounding box, row by row: the columns of row
// r (both counted from the box's top-left corner) are columns[rowStart[r]] ..
// columns[rowStart[r + 1] - 1], in rising order.
struct BoxPixels {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::vector<std::int32_t> columns;
  std::vector<std::size_t> rowStart;
};
BoxPixels CollectBoxPixels(const FractalEngine& engine);

// The box sizes of the parameters (from size, to size, step): from, from + step,
// ... up to and including the to size. A from size or step below 1, which would
// never reach the end, gives none.
template <typename Visit>
void ForEachBoxSize(const FractalEngine& engine, Visit visit) {
  if (engine.param1 < 1 || engine.param3 < 1) return;
  for (std::int64_t s = engine.param1; s <= engine.param2; s += engine.param3) {
    StopPoint();
    visit(static_cast<std::int32_t>(s));
  }
}

// The points of the box-counting method, from the engine's outline image, object
// value, bounding box and parameters: for each box size s the bounding box is
// tiled with s x s boxes from its top-left corner until every pixel of it is
// covered, and (s, the boxes holding an object pixel, at least 1) is appended.
void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points,
                      const BoxCountingView& view = {});

// The same over G x G grid positions (G = engine.gridOffsets, above 1): for each
// box size s the count is the smallest over the grids whose origin lies
// floor(i * s / G) columns left of and floor(j * s / G) rows above the bounding
// box's top-left corner, i, j = 0 ... G - 1, each grid covering the whole box.
void MeasureBoxCountsOverGrids(const FractalEngine& engine, PointSeries& points);

// The box-counting method of the method table.
void BoxCounting(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
