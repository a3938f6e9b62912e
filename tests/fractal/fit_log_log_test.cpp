#include "fractal/fit_log_log.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace kep {
namespace {

PointSeries Series(std::initializer_list<SeriesPoint> points) {
  PointSeries series;
  for (const SeriesPoint& point : points) series.Append(point);
  return series;
}

TEST(FitLogLogTest, PowerLawsGiveTheirExponentAndFactor) {
  double slope = -1.0;
  double intercept = -1.0;
  FitLogLog(Series({{1, 1}, {2, 4}, {4, 16}, {8, 64}}), slope, intercept);
  EXPECT_DOUBLE_EQ(slope, 2.0);
  EXPECT_NEAR(intercept, 0.0, 1e-15);

  // Within a few units of the last place.
  FitLogLog(Series({{2, 8}, {4, 4}, {8, 2}, {16, 1}}), slope, intercept);
  EXPECT_NEAR(slope, -1.0, 1e-15);
  EXPECT_NEAR(intercept, std::log(16.0), 4e-15);
}

TEST(FitLogLogTest, DegenerateSeriesLeaveBothOutputsZero) {
  double slope = 5.0;
  double intercept = 5.0;
  FitLogLog(PointSeries(), slope, intercept);
  EXPECT_EQ(slope, 0.0);
  EXPECT_EQ(intercept, 0.0);

  slope = intercept = 5.0;
  FitLogLog(Series({{1, 2}, {1, 3}, {1, 4}, {1, 5}}), slope, intercept);
  EXPECT_EQ(slope, 0.0);
  EXPECT_EQ(intercept, 0.0);

  // ln 0 makes the determinant not a number.
  slope = intercept = 5.0;
  FitLogLog(Series({{0, 2}, {1, 3}, {2, 4}, {4, 5}}), slope, intercept);
  EXPECT_EQ(slope, 0.0);
  EXPECT_EQ(intercept, 0.0);
}

TEST(FitPositiveLogLogTest, LeavesOutPointsWithoutAFiniteLogarithm) {
  const auto fit =
      FitPositiveLogLog(Series({{0, 5}, {1, 1}, {2, 4}, {3, 0}, {-1, 7}, {4, 16}, {8, 64}}));
  ASSERT_TRUE(fit.has_value());
  EXPECT_EQ(fit->pointCount, 4);
  EXPECT_DOUBLE_EQ(fit->slope, 2.0);
  EXPECT_NEAR(fit->intercept, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(fit->rSquared, 1.0);
}

TEST(FitPositiveLogLogTest, NeedsFourPointsAndSpreadInX) {
  EXPECT_FALSE(FitPositiveLogLog(Series({{1, 1}, {2, 4}, {4, 16}, {8, 0}})));
  EXPECT_FALSE(FitPositiveLogLog(Series({{1, 2}, {1, 3}, {1, 4}, {1, 5}})));
  // A flat series fits perfectly.
  const auto flat = FitPositiveLogLog(Series({{8, 1}, {9, 1}, {10, 1}, {11, 1}}));
  ASSERT_TRUE(flat.has_value());
  EXPECT_EQ(flat->slope, 0.0);
  EXPECT_EQ(flat->rSquared, 1.0);
}

TEST(FitPositiveLogLogTest, RSquaredIsTheSquaredCorrelation) {
  const PointSeries series = Series({{1, 3}, {2, 2}, {3, 7}, {5, 6}, {8, 20}});
  double sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
  for (const SeriesPoint& p : series) {
    const double lx = std::log(p.x);
    const double ly = std::log(p.y);
    sx += lx;
    sy += ly;
    sxx += lx * lx;
    syy += ly * ly;
    sxy += lx * ly;
  }
  const double n = series.Count();
  const double covariance = n * sxy - sx * sy;
  const double expected = covariance * covariance / ((n * sxx - sx * sx) * (n * syy - sy * sy));
  const auto fit = FitPositiveLogLog(series);
  ASSERT_TRUE(fit.has_value());
  EXPECT_NEAR(fit->rSquared, expected, 1e-12);
  EXPECT_LT(fit->rSquared, 1.0);
}

}  // namespace
}  // namespace kep
