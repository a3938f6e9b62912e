#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "image/point_series.h"

namespace kep {

using CornerVisit = std::function<void(std::size_t tolerance, const SeriesPoint& corner)>;

// The corners that SimplifyContour gives for each of the tolerances (in pixels),
// found in one walk along the outline of n points: corner(index of the tolerance,
// point) is called for every corner, each tolerance's corners in outline order
// (those of different tolerances interleave). A corner that several tolerances
// reach is searched from once for all of them.
void ForEachCorner(const SeriesPoint* points, std::int32_t n, std::span<const double> tolerances,
                   const CornerVisit& corner);

}  // namespace kep
