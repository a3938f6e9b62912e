#include "fractal/fit_log_log.h"

#include <cmath>

namespace kep {

namespace {

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
  bool IsDegenerate() const {
    const double d = Determinant();
    return d == 0.0 || std::isnan(d);
  }
  double Slope() const { return (n * sxy - sx * sy) / Determinant(); }
  double Intercept(double slope) const { return (sy - slope * sx) / n; }
};

}  // namespace

void FitLogLog(const PointSeries& series, double& slope, double& intercept) {
  slope = 0.0;
  intercept = 0.0;
  LogSums sums;
  for (const SeriesPoint& point : series) sums.Add(point);
  if (sums.IsDegenerate()) return;
  slope = sums.Slope();
  intercept = sums.Intercept(slope);
}

std::optional<LogLogFit> FitPositiveLogLog(const PointSeries& series) {
  LogSums sums;
  for (const SeriesPoint& point : series) {
    if (point.x > 0 && point.y > 0) sums.Add(point);
  }
  if (sums.n < kMinFitPoints || sums.IsDegenerate()) return std::nullopt;

  LogLogFit fit;
  fit.slope = sums.Slope();
  fit.intercept = sums.Intercept(fit.slope);
  fit.pointCount = static_cast<std::int32_t>(sums.n);
  double residual = 0.0;
  double spread = 0.0;
  const double meanY = sums.sy / sums.n;
  for (const SeriesPoint& point : series) {
    if (point.x <= 0 || point.y <= 0) continue;
    const double ly = std::log(static_cast<double>(point.y));
    const double predicted = fit.slope * std::log(static_cast<double>(point.x)) + fit.intercept;
    residual += (ly - predicted) * (ly - predicted);
    spread += (ly - meanY) * (ly - meanY);
  }
  fit.rSquared = spread == 0.0 ? 1.0 : 1.0 - residual / spread;
  return fit;
}

}  // namespace kep
