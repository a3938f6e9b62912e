#include "preprocess/trace_boundary.h"

#include <gtest/gtest.h>

#include "picture.h"

namespace kep::test {
namespace {

using Points = std::vector<SeriesPoint>;

// Chain codes: 0 east, then counter-clockwise on the screen (2 north, 6 south).
TEST(TraceBoundary, ChainsAndPointsOfSmallParticles) {
  const struct {
    std::vector<std::string> rows;
    std::int32_t x, y;
    std::vector<std::uint8_t> chain;
    Points points;
  } cases[] = {
      {{"....", ".##.", ".##.", "...."}, 1, 1, {6, 0, 2, 4}, {{1, 1}, {1, 2}, {2, 2}, {2, 1}}},
      // A line visits its middle pixel twice.
      {{".....", ".###.", "....."}, 1, 1, {0, 0, 4, 4}, {{1, 1}, {2, 1}, {3, 1}, {2, 1}}},
      // Two runs leave the start: they are walked one after the other.
      {{".......", "...#...", "..#.#..", ".#...#.", "......."}, 3, 1, {5, 5, 1, 1, 7, 7, 3, 3},
       {{3, 1}, {2, 2}, {1, 3}, {2, 2}, {3, 1}, {4, 2}, {5, 3}, {4, 2}}},
      // East and north touch each other diagonally: one walk, not two.
      {{".....", "..#..", "..##.", "....."}, 2, 2, {0, 3, 6}, {{2, 2}, {3, 2}, {2, 1}}},
      {{"...", ".#.", "..."}, 1, 1, {}, {{1, 1}}},  // isolated: one point, no step
      {{"#####", "#####", "#####"}, 2, 1, {}, {}},  // interior: nothing
      // Outside the image counts as background.
      {{"###..", "###..", ".....", "....."}, 0, 0, {6, 0, 0, 2, 4, 4},
       {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 0}, {1, 0}}},
      {{"###"}, 0, 0, {0, 0, 4, 4}, {{0, 0}, {1, 0}, {2, 0}, {1, 0}}},
      {{"#"}, 0, 0, {}, {{0, 0}}},
      {{"##", "##"}, -1, 0, {}, {}},  // a start outside the image
  };
  for (const auto& c : cases) {
    const ImageBuffer image = Picture(c.rows);
    const auto count = static_cast<std::int32_t>(c.points.size());
    EXPECT_EQ(TraceBoundary(image, c.x, c.y), count);
    EXPECT_EQ(CurrentChain(), c.chain);
    PointSeries points;
    EXPECT_EQ(ChainToPoints(points), count);
    EXPECT_EQ(Points(points.begin(), points.end()), c.points)
        << c.rows[0] << " from " << c.x << "," << c.y;
  }
}

TEST(TraceBoundary, OnlyTheOuterRingOfAParticleWithAHole) {
  const ImageBuffer image =
      Picture({".......", ".#####.", ".#####.", ".##.##.", ".#####.", ".#####.", "......."});
  TraceBoundary(image, 1, 1);
  PointSeries ring;
  ASSERT_EQ(ChainToPoints(ring), 16);
  for (const SeriesPoint& p : ring) {
    EXPECT_TRUE(p.x == 1 || p.x == 5 || p.y == 1 || p.y == 5) << p.x << "," << p.y;
  }
}

}  // namespace
}  // namespace kep::test
