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
}

TEST(FitLogLogTest, RSquaredIsTheSquaredCorrelationOfTheLogarithms) {
  // Worked out separately for ln of (1, 3), (2, 2), (3, 7), (5, 6), (8, 20).
  const LogLogFit fit = FitLogLog(Series({{1, 3}, {2, 2}, {3, 7}, {5, 6}, {8, 20}})).Value();
  EXPECT_NEAR(fit.rSquared, 0.7030942266311477, 1e-12);
}

}  // namespace
}  // namespace kep
