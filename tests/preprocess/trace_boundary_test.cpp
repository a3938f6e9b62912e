#include "preprocess/trace_boundary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "picture.h"

namespace kep {
namespace {

using test::Picture;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<SeriesPoint> TracePoints(const ImageBuffer& image, std::int32_t x, std::int32_t y) {
  TraceBoundary(image, x, y);
  PointSeries points;
  const std::int32_t count = ChainToPoints(points);
  EXPECT_EQ(count, points.Count());
  return {points.begin(), points.end()};
}

TEST(TraceBoundary, SquareOfFourWalksSouthEastNorthWest) {
  const ImageBuffer image = Picture({"....", ".##.", ".##.", "...."});
  EXPECT_EQ(TraceBoundary(image, 1, 1), 4);
  EXPECT_THAT(CurrentChain(), ElementsAre(6, 0, 2, 4));
  EXPECT_THAT(TracePoints(image, 1, 1),
              ElementsAre(SeriesPoint{1, 1}, SeriesPoint{1, 2}, SeriesPoint{2, 2}, SeriesPoint{2, 1}));
}

TEST(TraceBoundary, LineVisitsItsMiddlePixelTwice) {
  const ImageBuffer image = Picture({".....", ".###.", "....."});
  EXPECT_EQ(TraceBoundary(image, 1, 1), 4);
  EXPECT_THAT(CurrentChain(), ElementsAre(0, 0, 4, 4));
  EXPECT_THAT(TracePoints(image, 1, 1),
              ElementsAre(SeriesPoint{1, 1}, SeriesPoint{2, 1}, SeriesPoint{3, 1}, SeriesPoint{2, 1}));
}

TEST(TraceBoundary, TwoRunsFromTheStartAreWalkedOneAfterTheOther) {
  const ImageBuffer image = Picture({
      ".......",
      "...#...",
      "..#.#..",
      ".#...#.",
      ".......",
  });
  EXPECT_EQ(TraceBoundary(image, 3, 1), 8);
  EXPECT_THAT(CurrentChain(), ElementsAre(5, 5, 1, 1, 7, 7, 3, 3));
  EXPECT_THAT(TracePoints(image, 3, 1),
              ElementsAre(SeriesPoint{3, 1}, SeriesPoint{2, 2}, SeriesPoint{1, 3}, SeriesPoint{2, 2},
                          SeriesPoint{3, 1}, SeriesPoint{4, 2}, SeriesPoint{5, 3}, SeriesPoint{4, 2}));
}

TEST(TraceBoundary, StraightNeighboursMeetingAtACornerAreOneRun) {
  // East and north touch each other diagonally: one walk, not two.
  const ImageBuffer image = Picture({".....", "..#..", "..##.", "....."});
  EXPECT_EQ(TraceBoundary(image, 2, 2), 3);
  EXPECT_THAT(CurrentChain(), ElementsAre(0, 3, 6));
}

TEST(TraceBoundary, IsolatedPixelIsOnePointWithoutSteps) {
  const ImageBuffer image = Picture({"...", ".#.", "..."});
  EXPECT_EQ(TraceBoundary(image, 1, 1), 1);
  EXPECT_THAT(CurrentChain(), IsEmpty());
  EXPECT_THAT(TracePoints(image, 1, 1), ElementsAre(SeriesPoint{1, 1}));
}

TEST(TraceBoundary, InteriorStartGivesNothing) {
  const ImageBuffer image = Picture({"#####", "#####", "#####"});
  EXPECT_EQ(TraceBoundary(image, 2, 1), 0);
  EXPECT_THAT(TracePoints(image, 2, 1), IsEmpty());
}

TEST(TraceBoundary, OnlyTheOuterRingOfAParticleWithAHole) {
  const ImageBuffer image = Picture({
      ".......",
      ".#####.",
      ".#####.",
      ".##.##.",
      ".#####.",
      ".#####.",
      ".......",
  });
  const std::vector<SeriesPoint> ring = TracePoints(image, 1, 1);
  EXPECT_EQ(ring.size(), 16u);
  for (const SeriesPoint& p : ring) {
    EXPECT_TRUE(p.x == 1 || p.x == 5 || p.y == 1 || p.y == 5) << p.x << "," << p.y;
  }
}

TEST(TraceBoundary, OutsideTheImageCountsAsBackground) {
  // A block in the top-left corner, and a one-row image traced along its length.
  const ImageBuffer corner = Picture({"###..", "###..", ".....", "....."});
  EXPECT_EQ(TraceBoundary(corner, 0, 0), 6);
  EXPECT_THAT(CurrentChain(), ElementsAre(6, 0, 0, 2, 4, 4));
  EXPECT_THAT(TracePoints(corner, 0, 0),
              ElementsAre(SeriesPoint{0, 0}, SeriesPoint{0, 1}, SeriesPoint{1, 1}, SeriesPoint{2, 1},
                          SeriesPoint{2, 0}, SeriesPoint{1, 0}));

  const ImageBuffer strip = Picture({"###"});
  EXPECT_EQ(TraceBoundary(strip, 0, 0), 4);
  EXPECT_THAT(CurrentChain(), ElementsAre(0, 0, 4, 4));

  const ImageBuffer single = Picture({"#"});
  EXPECT_EQ(TraceBoundary(single, 0, 0), 1);
}

TEST(TraceBoundary, StartOutsideTheImageGivesNothing) {
  const ImageBuffer image = Picture({"##", "##"});
  EXPECT_EQ(TraceBoundary(image, -1, 0), 0);
  EXPECT_THAT(TracePoints(image, 2, 5), IsEmpty());
}

}  // namespace
}  // namespace kep
