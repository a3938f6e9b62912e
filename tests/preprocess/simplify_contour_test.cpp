#include "preprocess/simplify_contour.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace kep {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<SeriesPoint> Corners(const std::vector<SeriesPoint>& points, double tolerance) {
  const std::int32_t count =
      SimplifyContour(points.data(), static_cast<std::int32_t>(points.size()), tolerance);
  return {CornerPoints(), CornerPoints() + count};
}

std::vector<SeriesPoint> LShape() {
  std::vector<SeriesPoint> points;
  for (std::int32_t x = 0; x <= 9; ++x) points.push_back({x, 0});
  for (std::int32_t y = 1; y <= 10; ++y) points.push_back({9, y});
  return points;
}

TEST(SimplifyContour, OnePointIsItsOwnCorner) {
  EXPECT_THAT(Corners({{4, 7}}, 1.0), ElementsAre(SeriesPoint{4, 7}));
  EXPECT_EQ(SimplifyContour(nullptr, 0, 1.0), 0);
}

TEST(SimplifyContour, StraightRunKeepsOnlyItsEnds) {
  std::vector<SeriesPoint> points;
  for (std::int32_t x = 0; x <= 19; ++x) points.push_back({x, 0});
  EXPECT_THAT(Corners(points, 1.0), ElementsAre(SeriesPoint{0, 0}, SeriesPoint{19, 0}));
}

TEST(SimplifyContour, LShapeKeepsItsBend) {
  EXPECT_THAT(Corners(LShape(), 1.0), ElementsAre(SeriesPoint{0, 0}, SeriesPoint{9, 0}, SeriesPoint{9, 10}));
}

TEST(SimplifyContour, ToleranceBelowOneSixteenthKeepsEveryPoint) {
  EXPECT_THAT(Corners(LShape(), 0.05), ElementsAreArray(LShape()));
}

TEST(SimplifyContour, ClosedSegmentSplitsAtThePointFarthestFromItsStart) {
  const std::vector<SeriesPoint> outAndBack = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
  EXPECT_THAT(Corners(outAndBack, 1.0), ElementsAre(SeriesPoint{0, 0}, SeriesPoint{3, 0}, SeriesPoint{0, 0}));
}

TEST(SimplifyContour, LastSegmentGetsACornerAtTheLooserFinalTest) {
  // (3, 1) lies 0.83 pixels off the chord: under the tolerance of 1 for the split
  // search, over the final check's 1/sqrt(2).
  EXPECT_THAT(Corners({{0, 0}, {3, 1}, {6, 4}}, 1.0),
              ElementsAre(SeriesPoint{0, 0}, SeriesPoint{3, 1}, SeriesPoint{6, 4}));
  EXPECT_THAT(Corners({{0, 0}, {3, 1}, {6, 4}}, 1.2), ElementsAre(SeriesPoint{0, 0}, SeriesPoint{6, 4}));
}

TEST(SimplifyContour, EqualDistancesGoToTheLaterPointAlsoOffTheHullsCorners) {
  // From the chord (0,0)-(5,0) the points at y = 3 lie 3 pixels away alike; the
  // last of them, (2,3), lies between the other two, on the edge of their hull.
  EXPECT_THAT(Corners({{0, 0}, {1, 3}, {3, 3}, {2, 3}, {5, 0}}, 2.0),
              ElementsAre(SeriesPoint{0, 0}, SeriesPoint{2, 3}, SeriesPoint{5, 0}));
}

TEST(SimplifyContour, SplitTestsAreExactOnWideImages) {
  // The squared cross product times 256 exceeds 64 bits here.
  EXPECT_THAT(Corners({{0, 0}, {100000, 3000}, {200000, 0}}, 1.0),
              ElementsAre(SeriesPoint{0, 0}, SeriesPoint{100000, 3000}, SeriesPoint{200000, 0}));
}

}  // namespace
}  // namespace kep
