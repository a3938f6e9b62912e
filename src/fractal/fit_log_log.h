#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "failure/outcome.h"
#include "image/point_series.h"

namespace kep {

// The x values whose points enter a fit: low <= x <= high. The whole series by
// default.
struct FitRange {
  double low = -std::numeric_limits<double>::infinity();
  double high = std::numeric_limits<double>::infinity();

  bool Contains(std::int32_t x) const { return low <= x && x <= high; }
};

// The least-squares line ln y = slope * ln x + intercept that a dimension is made
// from, with how well it fits.
struct LogLogFit {
  double slope = 0.0;
  double intercept = 0.0;
  // 1 - (residual sum of squares / total sum of squares) of ln y.
  double rSquared = 0.0;
  // The points the line was fitted through: n.
  std::int32_t pointCount = 0;
  // The standard error of the slope, sqrt(RSS / (n - 2) / sum of (ln x - mean ln x)^2).
  double stdError = 0.0;
  // Half the width of the slope's 95 % confidence interval: the 0.975 quantile of
  // Student's t distribution with n - 2 degrees of freedom times stdError.
  double halfWidth95 = 0.0;
};

inline constexpr std::int32_t kMinFitPoints = 4;

// Whether the point enters a fit over the range: x and y above 0 (the others
// have no finite logarithm), and x in the range.
bool EntersFit(const SeriesPoint& point, const FitRange& range = {});

// Fits natural logarithms through the points that enter the fit, every one
// counting equally, with the sums rounded to double after each point. Fails with
// too-few-points when fewer than kMinFitPoints such points remain, with
// degenerate-fit when the line is not determined (every x the same), and with
// no-scaling when every y is the same (the measure does not change with scale).
Outcome<LogLogFit> FitLogLog(const PointSeries& series, const FitRange& range = {});

// The slope between each two consecutive points of the fit, in series order; not
// a number where the two have the same x.
std::vector<double> LocalSlopes(const PointSeries& series, const FitRange& range = {});

}  // namespace kep
