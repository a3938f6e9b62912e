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
  const LogLogFit square = FitLogLog(Series({{1, 1}, {2, 4}, {4, 16}, {8, 64}})).Value();
  EXPECT_DOUBLE_EQ(square.slope, 2.0);
  EXPECT_NEAR(square.intercept, 0.0, 1e-15);
  EXPECT_DOUBLE_EQ(square.rSquared, 1.0);
  EXPECT_EQ(square.pointCount, 4);

  const LogLogFit falling = FitLogLog(Series({{2, 8}, {4, 4}, {8, 2}, {16, 1}})).Value();
  EXPECT_NEAR(falling.slope, -1.0, 1e-15);
  EXPECT_NEAR(falling.intercept, std::log(16.0), 4e-15);
}

TEST(FitLogLogTest, FitsOnlyPointsWithALogarithmAndSaysWhyItCannotFit) {
  const LogLogFit fit =
      FitLogLog(Series({{0, 5}, {1, 1}, {2, 4}, {3, 0}, {-1, 7}, {4, 16}, {8, 64}})).Value();
  EXPECT_EQ(fit.pointCount, 4);
  EXPECT_DOUBLE_EQ(fit.slope, 2.0);

  const Outcome<LogLogFit> three = FitLogLog(Series({{1, 1}, {2, 4}, {4, 16}, {8, 0}}));
  EXPECT_EQ(three.Error().code, FailureCode::kTooFewPoints);
  EXPECT_EQ(FitLogLog(PointSeries()).Error().code, FailureCode::kTooFewPoints);
  const Outcome<LogLogFit> upright = FitLogLog(Series({{1, 2}, {1, 3}, {1, 4}, {1, 5}}));
  EXPECT_EQ(upright.Error().code, FailureCode::kDegenerateFit);
  // A measure that does not change with scale has no dimension.
  const Outcome<LogLogFit> flat = FitLogLog(Series({{8, 1}, {9, 1}, {10, 1}, {11, 1}}));
  EXPECT_EQ(flat.Error().code, FailureCode::kNoScaling);
  // The local slopes between consecutive points of the fit.
  const std::vector<double> local = LocalSlopes(Series({{1, 1}, {2, 4}, {0, 9}, {4, 8}, {4, 9}}));
  ASSERT_EQ(local.size(), 3u);
  EXPECT_DOUBLE_EQ(local[0], 2.0);
  EXPECT_DOUBLE_EQ(local[1], 1.0);
  EXPECT_TRUE(std::isnan(local[2]));
}

TEST(FitLogLogTest, TheStatisticsAreThoseWorkedOutByHand) {
  // Worked out separately for ln of (1, 3), (2, 2), (3, 7), (5, 6), (8, 20): the
  // squared correlation, the slope's standard error sqrt(RSS / 3 / Sxx), and the
  // 0.975 quantile of Student's t with 3 degrees of freedom, 3.182446305284263,
  // times it.
  const PointSeries series = Series({{1, 3}, {2, 2}, {3, 7}, {5, 6}, {8, 20}});
  const LogLogFit fit = FitLogLog(series).Value();
  EXPECT_NEAR(fit.slope, 0.9200067670995796, 1e-14);
  EXPECT_NEAR(fit.rSquared, 0.7030942266311477, 1e-12);
  EXPECT_NEAR(fit.stdError, 0.34516992632030635, 1e-13);
  EXPECT_NEAR(fit.halfWidth95, 1.0984847567133003, 1e-9);

  // A fit range keeps only its points, ends included; the others stay out of every sum.
  const LogLogFit inner = FitLogLog(series, {2, 8}).Value();
  const LogLogFit alone = FitLogLog(Series({{2, 2}, {3, 7}, {5, 6}, {8, 20}})).Value();
  EXPECT_EQ(inner.pointCount, 4);
  EXPECT_EQ(inner.slope, alone.slope);
  EXPECT_EQ(inner.stdError, alone.stdError);
  EXPECT_EQ(FitLogLog(series, {2, 7.9}).Error().code, FailureCode::kTooFewPoints);
}

}  // namespace
}  // namespace kep
