#pragma once

#include <cstdint>
#include <optional>

#include "image/point_series.h"

namespace kep {

// Least-squares line ln y = slope * ln x + intercept through every point of the
// series. Both outputs stay 0.0 when the fit is degenerate.
void FitLogLog(const PointSeries& series, double& slope, double& intercept);

// The fit a dimension is made from, with how well the line fits.
struct LogLogFit {
  double slope = 0.0;
  double intercept = 0.0;
  // 1 - (residual sum of squares / total sum of squares) of ln y; 1.0 when every
  // ln y is the same, since the line then passes through every point.
  double rSquared = 0.0;
  std::int32_t pointCount = 0;
};

inline constexpr std::int32_t kMinFitPoints = 4;

// Fits only the points with x > 0 and y > 0, whose logarithms are finite. Nothing
// when fewer than kMinFitPoints such points remain or the fit is degenerate
// (every ln x the same).
std::optional<LogLogFit> FitPositiveLogLog(const PointSeries& series);

}  // namespace kep
