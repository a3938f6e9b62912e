#pragma once

// The plain corner search: for every tolerance on its own, the farthest point of
// each candidate segment found by scanning all of its points again for every
// point the segment grows by.

#include <cstdint>
#include <vector>

#include "image/point_series.h"

namespace kep::reference {

// The corners of an outline of n points for the tolerance (in pixels).
std::vector<SeriesPoint> SimplifyContour(const SeriesPoint* points, std::int32_t n,
                                         double tolerance);

}  // namespace kep::reference
