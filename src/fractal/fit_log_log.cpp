#include "fractal/fit_log_log.h"

#include <cmath>
#include <string>

namespace kep {

namespace {

bool HasLogarithm(const SeriesPoint& point) { return point.x > 0 && point.y > 0; }

// The running sums of a least-squares line through (ln x, ln y), each rounded to
// double after every point.
struct LogSums {
  double n = 0.0;
  double sx = 0.0;
  double sy = 0.0;
  double sxx = 0.0;
  double sxy = 0.0;

  void Add(const SeriesPoint& point) {
    const double lx = std::log(static_cast<double>(point.x));
    const double ly = std::log(static_cast<double>(point.y));
    n += 1.0;
    sx += lx;
    sy += ly;
    sxx += lx * lx;
    sxy += lx * ly;
  }
  double Determinant() const { return n * sxx - sx * sx; }
  // Exactly 0: a series of equal x values other than 1 can leave a tiny non-zero
  // determinant after rounding, and is then fitted.
  bool IsDegenerate() const { return Determinant() == 0.0; }
  double Slope() const { return (n * sxy - sx * sy) / Determinant(); }
  double Intercept(double slope) const { return (sy - slope * sx) / n; }
};

double RSquared(const PointSeries& series, const LogLogFit& fit, double meanY) {
  double residual = 0.0;
  double spread = 0.0;
  for (const SeriesPoint& point : series) {
    if (!HasLogarithm(point)) continue;
    const double ly = std::log(static_cast<double>(point.y));
    const double predicted = fit.slope * std::log(static_cast<double>(point.x)) + fit.intercept;
    residual += (ly - predicted) * (ly - predicted);
    spread += (ly - meanY) * (ly - meanY);
  }
  return spread == 0.0 ? 1.0 : 1.0 - residual / spread;
}

}  // namespace

Outcome<LogLogFit> FitLogLog(const PointSeries& series) {
  LogSums sums;
  for (const SeriesPoint& point : series) {
    if (HasLogarithm(point)) sums.Add(point);
  }
  const auto usable = static_cast<std::int32_t>(sums.n);
  if (usable < kMinFitPoints) {
    return Failure{FailureCode::kTooFewPoints,
                   "the method gave " + std::to_string(usable) +
                       " points with x and y above 0; a fit needs at least " +
                       std::to_string(kMinFitPoints)};
  }
  if (sums.IsDegenerate()) {
    return Failure{FailureCode::kDegenerateFit,
                   "every point has the same x, so no line can be fitted"};
  }
  LogLogFit fit;
  fit.slope = sums.Slope();
  fit.intercept = sums.Intercept(fit.slope);
  fit.pointCount = usable;
  fit.rSquared = RSquared(series, fit, sums.sy / sums.n);
  return fit;
}

}  // namespace kep
