#include "fractal/fast_method.h"

#include <gtest/gtest.h>

#include "walking_fixture.h"

namespace kep {
namespace {

using test::Outline;
using test::PointsOf;
using test::SquareRing;

TEST(FastMethodTest, SamplesEveryIntervalthPixelAndClosesThePolygon) {
  // Interval 2 samples (0,0) (2,0) (3,1) (2,3) (0,3) (0,1): 2 + √2 + √5 + 2 + 2 + 1 = 10.65;
  // interval 3 the four corners; 4 samples (0,0) (3,1) (1,3): √10 + √8 + √10 = 9.15;
  // 5 samples (0,0) (3,2) (0,2): √13 + 3 + 2 = 8.61.
  const PointSeries points = FastPoints({SquareRing(0, 0)}, {1, 6, 1});
  EXPECT_EQ(PointsOf(points),
            (std::vector<SeriesPoint>{{1, 12}, {2, 10}, {3, 12}, {4, 9}, {5, 8}}));
}

TEST(FastMethodTest, NeedsAnOutlineOfSixPixels) {
  const PointSeries five = test::PixelRow(0, 0, 5);
  EXPECT_EQ(FastPoints({five, five, Outline({{9, 9}})}, {1, 100, 1}).Count(), 0);

  // Six pixels sampled at interval 8: only the first pixel, so the length 0 is raised to 1.
  EXPECT_EQ(PointsOf(FastPoints({test::PixelRow(0, 0, 6)}, {8, 9, 1})),
            (std::vector<SeriesPoint>{{8, 1}}));
  // A one-pixel outline beside it adds nothing: 2 × 5 along the run and back.
  EXPECT_EQ(PointsOf(FastPoints({test::PixelRow(0, 0, 6), Outline({{20, 20}})}, {1, 2, 1})),
            (std::vector<SeriesPoint>{{1, 10}}));
}

TEST(FastHybridMethodTest, TakesEachPixelAtLeastTheDistanceFromTheLastTaken) {
  // d = 2: (2,0) lies exactly 2 from (0,0) and is taken; then (3,2) (1,3) (0,1), each √5
  // further, and back to (0,0): 2 + 3√5 + 1 = 9.71. d = 3 takes the corners (3,0) (3,3)
  // (0,3), each exactly 3 away. d = 4 takes only (3,3): 2 × √18 = 8.49. d = 5 takes
  // nothing, and the length 0 stays in the series.
  // A one-pixel outline beside it adds nothing.
  const PointSeries points = FastHybridPoints({SquareRing(0, 0), Outline({{20, 20}})}, {1, 6, 1});
  EXPECT_EQ(PointsOf(points), (std::vector<SeriesPoint>{{1, 12}, {2, 9}, {3, 12}, {4, 8}, {5, 0}}));

  // A pixel at exactly the distance is taken: 5 there and 5 back.
  EXPECT_EQ(PointsOf(FastHybridPoints({Outline({{0, 0}, {3, 4}})}, {5, 7, 1})),
            (std::vector<SeriesPoint>{{5, 10}, {6, 0}}));
}

TEST(FastMethodTest, AStepOrStartBelowOneGivesNoPoint) {
  for (const ScaleRange range :
       {ScaleRange{1, 10, 0}, ScaleRange{1, 10, -2}, ScaleRange{0, 10, 1}}) {
    EXPECT_EQ(FastPoints({SquareRing(0, 0)}, range).Count(), 0);
    EXPECT_EQ(FastHybridPoints({SquareRing(0, 0)}, range).Count(), 0);
  }
  // A range reaching the top of the integers ends.
  EXPECT_EQ(FastPoints({SquareRing(0, 0)}, {2147483600, 2147483647, 20}).Count(), 3);
}

TEST(FastMethodTest, AnimationShowsEachPolygonAndRemovesIt) {
  test::FastClock clock;
  for (const bool hybrid : {false, true}) {
    test::PreparedEngine prepared({SquareRing(2, 2), SquareRing(10, 4)}, 16, 12);
    prepared.Params(2, 4, 1);
    test::FlushRecordingWindow window(16, 12, kWhite);
    if (hybrid) {
      prepared.Run(FastHybridMethod, &window);
    } else {
      prepared.Run(FastMethod, &window);
    }
    EXPECT_EQ(prepared.result.Count(), 2);
    // Two flushes per ruler (the polygons drawn, then drawn again) and one at the end.
    ASSERT_EQ(window.flushes.size(), 5u);
    // Red drawn on white by exclusive-or shows as cyan.
    EXPECT_FALSE(window.PixelsOf(window.flushes[0], Rgb{0, 255, 255}).empty());
    EXPECT_TRUE(window.IsBlank());
    EXPECT_EQ(window.flushes[1], window.flushes[3]);
    EXPECT_EQ(window.SelectPen(kBlue), kBlack);
    EXPECT_EQ(window.SetDrawMode(DrawMode::kCopy), DrawMode::kCopy);
  }
}

}  // namespace
}  // namespace kep
