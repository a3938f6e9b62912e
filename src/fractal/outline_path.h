#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/point_series.h"

namespace kep {

// The pixels that a walking method keeps from one outline, in outline order; the
// outline's first pixel always comes first.
using OutlinePath = std::vector<SeriesPoint>;

// Adds the lengths of the path's sides to `length`, one side after the other, the
// side from the last point back to the first included. Adding side by side to the
// running total (rather than adding the path's own total) keeps the rounding of
// the sum over all outlines the same as a walk along every outline in turn.
void AddClosedPathLength(const SeriesPoint* points, std::size_t count, double& length);
void AddClosedPathLength(const OutlinePath& path, double& length);
// The same without the side back to the first point.
void AddOpenPathLength(const OutlinePath& path, double& length);

// A length or count as a 32-bit integer: truncated toward zero, held to the range.
std::int32_t TruncateToInt32(double value);
std::int32_t ClampToInt32(std::int64_t value);

}  // namespace kep
