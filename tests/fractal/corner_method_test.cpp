#include "fractal/corner_method.h"

#include <gtest/gtest.h>

#include <array>

#include "walking_fixture.h"

namespace kep {
namespace {

using test::Outline;
using test::PixelRow;
using test::PointsOf;

TEST(CornerMethodTest, DefaultTolerancesAccumulateInDoubles) {
  // From the eighth tolerance on the sum lies just below its nominal value.
  const std::vector<std::int32_t> expected = {10, 13, 16, 19, 22, 25, 28, 30, 33, 36, 39, 42,
                                              45, 48, 51, 54, 57, 60, 63, 66, 69, 72, 75, 78};
  for (const MethodFunction method : {CornerCountMethod, CornerPerimeterMethod}) {
    test::PreparedEngine prepared({Outline({{4, 4}})});
    prepared.Params(10, 80, 3).Run(method);
    EXPECT_EQ(test::XValues(prepared.result), expected);
    // One pixel: one corner and a perimeter of 0, raised to 1.
    for (const SeriesPoint& point : prepared.result) EXPECT_EQ(point.y, 1);
  }
  EXPECT_EQ(
      test::XValues(CornerMethodPoints({Outline({{4, 4}})}, CornerMeasure::kCount, 10, 20, 5)),
      (std::vector<std::int32_t>{10, 15}));
}

TEST(CornerMethodTest, CountsCornersAndMeasuresTheClosedCornerPolygonsTogether) {
  // The L (0,0)..(9,0), (9,1)..(9,10) keeps the corners (0,0) (9,0) (9,10) at tolerance
  // 1: 9 + 10 + √181 = 32.45. The straight run keeps its ends: 19 there and 19 back.
  const PointSeries straight = PixelRow(0, 0, 20);
  PointSeries bent = PixelRow(0, 0, 10);
  for (std::int32_t y = 1; y <= 10; ++y) bent.Append(9, y);
  EXPECT_EQ(PointsOf(CornerMethodPoints({bent, straight}, CornerMeasure::kCount, 10, 11, 1)),
            (std::vector<SeriesPoint>{{10, 5}}));
  EXPECT_EQ(PointsOf(CornerMethodPoints({bent, straight}, CornerMeasure::kPerimeter, 10, 11, 1)),
            (std::vector<SeriesPoint>{{10, 70}}));
  // The perimeter is truncated only after all outlines are summed: each diagonal
  // pair's polygon measures 2√2 = 2.83; two of them 5.66.
  const PointSeries diagonal = Outline({{0, 0}, {1, 1}});
  EXPECT_EQ(
      PointsOf(CornerMethodPoints({diagonal, diagonal}, CornerMeasure::kPerimeter, 10, 11, 1)),
      (std::vector<SeriesPoint>{{10, 5}}));
  // A step or start below one, or an empty range, gives no point.
  for (const auto& [from, to, step] : {std::array{10, 80, 0}, {0, 80, 3}, {80, 10, 3}}) {
    EXPECT_EQ(CornerMethodPoints({straight}, CornerMeasure::kCount, from, to, step).Count(), 0);
  }
}

TEST(CornerMethodTest, AnimationMarksTheCornersAndRemovesTheMarks) {
  test::FastClock clock;
  test::PreparedEngine prepared({PixelRow(4, 5, 20)}, 30, 10);
  prepared.Params(10, 20, 5);
  test::FlushRecordingWindow window(30, 10, kBlack);
  prepared.Run(CornerCountMethod, &window);
  ASSERT_EQ(window.flushes.size(), 5u);  // shown and removed per tolerance, ended
  // A cross at each end of the run, (4,5) and (23,5); the pixel where its two strokes
  // meet is drawn twice and so stays black.
  EXPECT_EQ(window.PixelsOf(window.flushes[0], kRed),
            (std::vector<SeriesPoint>{
                {4, 4}, {23, 4}, {3, 5}, {5, 5}, {22, 5}, {24, 5}, {4, 6}, {23, 6}}));
  EXPECT_TRUE(window.IsBlank());
  EXPECT_EQ(PointsOf(prepared.result), (std::vector<SeriesPoint>{{10, 2}, {15, 2}}));
}

}  // namespace
}  // namespace kep
