#include "preprocess/simplify_contour.h"

#include <vector>

#include "preprocess/corner_walk.h"

namespace kep {

namespace {

constexpr std::size_t kInitialCornerRoom = 512;

// The corner list of the last simplification, one per thread; its storage is kept
// between calls.
thread_local std::vector<SeriesPoint> t_corners;

void AppendCorner(const SeriesPoint& point) {
  if (t_corners.capacity() == 0) t_corners.reserve(kInitialCornerRoom);
  t_corners.push_back(point);
}

}  // namespace

std::int32_t SimplifyContour(const SeriesPoint* points, std::int32_t n, double tolerance) {
  t_corners.clear();
  ForEachCorner(points, n, {&tolerance, 1},
                [](std::size_t, const SeriesPoint& corner) { AppendCorner(corner); });
  return static_cast<std::int32_t>(t_corners.size());
}

const SeriesPoint* CornerPoints() { return t_corners.data(); }

}  // namespace kep
