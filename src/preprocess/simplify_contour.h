#pragma once

#include <cstdint>

#include "image/point_series.h"

namespace kep {

// Reduces an outline of n points to its corners for the tolerance (in pixels);
// returns the number of corners, which stay in this thread's corner list until
// the next call.
std::int32_t SimplifyContour(const SeriesPoint* points, std::int32_t n, double tolerance);
// The corners of this thread's last simplification.
const SeriesPoint* CornerPoints();

}  // namespace kep
