#pragma once

// The plain forms of the measuring loops that the engine runs in a faster way:
// each does literally what the method describes, radius by radius and box by box,
// so that the fast forms can be checked against them point for point.

#include <vector>

#include "fractal/corner_method.h"
#include "fractal/fractal_engine.h"
#include "fractal/mass_radius_method.h"
#include "fractal/scale_range.h"
#include "image/image_buffer.h"
#include "image/point_series.h"

namespace kep::reference {

// The outline dilated again and again by the step (after a first dilation by the
// from radius when that is above 1), the object pixels of the whole image counted
// after each dilation.
void MeasureDilation(const FractalEngine& engine, PointSeries& points);

// The outline dilated anew by every radius; the pixels that a dilation makes
// object for the first time are labelled and counted.
bool MeasureDistanceMap(const FractalEngine& engine, PointSeries& points, ImageBuffer& distanceMap);

// Every box of every size and every grid position counted pixel by pixel.
void MeasureBoxCounts(const FractalEngine& engine, PointSeries& points);

// Every (centre, pixel) pair of every outline tested at every radius.
PointSeries MassRadiusPoints(const std::vector<PointSeries>& outlines, MassRadiusForm form,
                             const ScaleRange& range);

// Every outline pixel tested against its outline's centre at every radius.
PointSeries CumulativeIntersectionPoints(const std::vector<PointSeries>& outlines,
                                         const ScaleRange& range, SeriesPoint origin = {0, 0});

// Every outline simplified anew for every tolerance.
PointSeries CornerMethodPoints(const std::vector<PointSeries>& outlines, CornerMeasure measure,
                               std::int32_t fromTenths, std::int32_t toTenths,
                               std::int32_t stepTenths);

}  // namespace kep::reference
