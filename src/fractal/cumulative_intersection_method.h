#pragma once

#include <vector>

#include "fractal/method_run.h"
#include "fractal/scale_range.h"
#include "image/point_series.h"

namespace kep {

// One centre per outline, in outline order: the sums of the x and of the y
// coordinates of every pixel but the first, each divided by the outline's whole
// pixel count (truncated); (0, 0) for an outline of one pixel or none. The
// division by the whole count draws the centre slightly toward (0, 0), so it is
// made in the coordinates of the whole picture, whose (0, 0) lies at -origin.
PointSeries OutlineCentres(const std::vector<PointSeries>& outlines, SeriesPoint origin = {0, 0});

// (radius, number of outline pixels, the first of each outline left out, within the
// radius of their own outline's centre, at least 1) for each radius of the range.
PointSeries CumulativeIntersectionPoints(const std::vector<PointSeries>& outlines,
                                         const ScaleRange& range, const ScaleHook& afterEach = {},
                                         SeriesPoint origin = {0, 0});

// The cumulative-intersection method of the method table.
void CumulativeIntersectionMethod(const FractalEngine& engine, MethodRun& run);

}  // namespace kep
