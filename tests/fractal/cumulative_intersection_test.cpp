#include "fractal/cumulative_intersection_method.h"

#include <gtest/gtest.h>

#include "walking_fixture.h"

namespace kep {
namespace {

using test::Outline;
using test::PointsOf;
using test::SquareRing;

TEST(CumulativeIntersectionTest, CentreLeavesOutTheFirstPixelButDividesByAll) {
  // The ring's coordinates without its first pixel sum to 18 in x and in y: 18 / 12 = 1.
  // Moved to (100, 100) they sum to 1118: 1118 / 12 = 93, pulled toward (0, 0).
  // One pixel, or none, gives (0, 0).
  const PointSeries centres =
      OutlineCentres({SquareRing(0, 0), SquareRing(100, 100), Outline({{7, 9}}), PointSeries{}});
  EXPECT_EQ(PointsOf(centres), (std::vector<SeriesPoint>{{1, 1}, {93, 93}, {0, 0}, {0, 0}}));
}

TEST(CumulativeIntersectionTest, CountsThePixelsWithinTheRadiusOfTheirOwnCentre) {
  // Squared distances from (1,1) of the pixels after the first: 1 2 5 4 5 8 5 4 5 2 1.
  EXPECT_EQ(PointsOf(CumulativeIntersectionPoints({SquareRing(0, 0)}, {1, 5, 1})),
            (std::vector<SeriesPoint>{{1, 2}, {2, 6}, {3, 11}, {4, 11}}));
  // Beside it, a particle whose pixels its centre would reach: each is counted
  // only against its own centre. A one-pixel outline adds nothing.
  EXPECT_EQ(PointsOf(CumulativeIntersectionPoints(
                {SquareRing(0, 0), SquareRing(4, 0), Outline({{2, 2}})}, {50, 51, 1})),
            (std::vector<SeriesPoint>{{50, 22}}));
  // The centre (93, 93) lies more than 7 from every pixel of the ring at (100, 100):
  // the empty count is raised to 1.
  EXPECT_EQ(PointsOf(CumulativeIntersectionPoints({SquareRing(100, 100)}, {1, 11, 5})),
            (std::vector<SeriesPoint>{{1, 1}, {6, 1}}));
  EXPECT_EQ(CumulativeIntersectionPoints({SquareRing(0, 0)}, {4, 100, 0}).Count(), 0);
}

TEST(CumulativeIntersectionTest, AnimationPaintsRedRingsAroundTheCentres) {
  // The ring at (8, 8) has its centre at (106 / 12, 106 / 12) = (8, 8). Radii 1 and 2
  // paint the disc of radius 2 around it, all but the centre itself.
  test::PreparedEngine prepared({SquareRing(8, 8)}, 20, 20);
  prepared.Params(1, 3, 1);
  test::FlushRecordingWindow window(20, 20, kBlack);
  prepared.Run(CumulativeIntersectionMethod, &window);
  EXPECT_EQ(window.flushes.size(), 3u);  // one per radius, one at the end
  EXPECT_EQ(window.PixelsOf(window.flushes.back(), kRed), test::DiscAround({8, 8}, 2));
  EXPECT_EQ(prepared.result.Count(), 2);
}

}  // namespace
}  // namespace kep
