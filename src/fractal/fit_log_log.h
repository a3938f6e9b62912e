#pragma once

#include "image/point_series.h"

namespace kep {

// Least-squares line ln y = slope * ln x + intercept through every point of the
// series. Both outputs stay 0.0 when the fit is degenerate.
void FitLogLog(const PointSeries& series, double& slope, double& intercept);

}  // namespace kep
