#include "fractal/fit_log_log.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>
#include <string>

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
  // Exactly 0: a series of equal x values other than 1 can leave a tiny non-zero
  // determinant after rounding, and is then fitted.
  bool IsDegenerate() const { return Determinant() == 0.0; }
  double Slope() const { return (n * sxy - sx * sy) / Determinant(); }
  double Intercept(double slope) const { return (sy - slope * sx) / n; }
};

// The residual and total sums of squares of ln y, and the spread of ln x.
struct Deviations {
  double residual = 0.0;
  double total = 0.0;
  double spreadX = 0.0;
  bool flatY = true;
};

Deviations DeviationsFrom(const PointSeries& series, const FitRange& range, const LogSums& sums,
                          const LogLogFit& fit) {
  Deviations d;
  const double meanX = sums.sx / sums.n;
  const double meanY = sums.sy / sums.n;
  bool first = true;
  std::int32_t firstY = 0;
  for (const SeriesPoint& point : series) {
    if (!EntersFit(point, range)) continue;
    if (first) firstY = point.y;
    d.flatY = d.flatY && point.y == firstY;
    first = false;
    const double lx = std::log(static_cast<double>(point.x));
    const double ly = std::log(static_cast<double>(point.y));
    const double predicted = fit.slope * lx + fit.intercept;
    d.residual += (ly - predicted) * (ly - predicted);
    d.total += (ly - meanY) * (ly - meanY);
    d.spreadX += (lx - meanX) * (lx - meanX);
  }
  return d;
}

// The 0.975 quantile of Student's t distribution with that many degrees of
// freedom (at least 1). Working it out takes microseconds, as long as a whole
// fit of a small particle, so each thread keeps the ones it has needed.
double TQuantile975(std::int32_t degrees) {
  thread_local std::vector<double> known;
  const auto index = static_cast<std::size_t>(degrees);
  if (index >= known.size()) known.resize(index + 1, 0.0);
  if (known[index] == 0.0) {
    known[index] =
        boost::math::quantile(boost::math::students_t_distribution<double>(degrees), 0.975);
  }
  return known[index];
}

}  // namespace

Outcome<LogLogFit> FitLogLog(const PointSeries& series, const FitRange& range) {
  LogSums sums;
  for (const SeriesPoint& point : series) {
    if (EntersFit(point, range)) sums.Add(point);
  }
  const auto usable = static_cast<std::int32_t>(sums.n);
  if (usable < kMinFitPoints) {
    return Failure{FailureCode::kTooFewPoints,
                   "the method gave " + std::to_string(usable) +
                       " points with x and y above 0 in the fit range; a fit needs at least " +
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
  const Deviations d = DeviationsFrom(series, range, sums, fit);
  if (d.flatY) {
    return Failure{FailureCode::kNoScaling,
                   "every point of the fit has the same y, so the measure does not change with "
                   "scale"};
  }
  fit.rSquared = 1.0 - d.residual / d.total;
  fit.stdError = std::sqrt(d.residual / (sums.n - 2.0) / d.spreadX);
  fit.halfWidth95 = TQuantile975(usable - 2) * fit.stdError;
  return fit;
}

bool EntersFit(const SeriesPoint& point, const FitRange& range) {
  return point.x > 0 && point.y > 0 && range.Contains(point.x);
}

std::vector<double> LocalSlopes(const PointSeries& series, const FitRange& range) {
  std::vector<double> slopes;
  const SeriesPoint* previous = nullptr;
  for (const SeriesPoint& point : series) {
    if (!EntersFit(point, range)) continue;
    if (previous != nullptr) {
      const double rise =
          std::log(static_cast<double>(point.y)) - std::log(static_cast<double>(previous->y));
      const double run =
          std::log(static_cast<double>(point.x)) - std::log(static_cast<double>(previous->x));
      slopes.push_back(run == 0.0 ? std::nan("") : rise / run);
    }
    previous = &point;
  }
  return slopes;
}

}  // namespace kep
