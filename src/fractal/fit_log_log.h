#pragma once

#include <cstdint>

#include "failure/outcome.h"
#include "image/point_series.h"

namespace kep {

// The least-squares line ln y = slope * ln x + intercept that a dimension is made
// from, with how well it fits.
struct LogLogFit {
  double slope = 0.0;
  double intercept = 0.0;
  // 1 - (residual sum of squares / total sum of squares) of ln y; 1.0 when every
  // ln y is the same, since the line then passes through every point.
  double rSquared = 0.0;
  // The points the line was fitted through.
  std::int32_t pointCount = 0;
};

inline constexpr std::int32_t kMinFitPoints = 4;

// Fits natural logarithms through the points with x > 0 and y > 0 (the others
// have no finite logarithm), every one counting equally, with the sums rounded to
// double after each point. Fails with too-few-points when fewer than
// kMinFitPoints such points remain, and with degenerate-fit when the line is not
// determined (every x the same).
Outcome<LogLogFit> FitLogLog(const PointSeries& series);

}  // namespace kep
