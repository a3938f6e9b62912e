#include "preprocess/simplify_contour.h"

#include <gtest/gtest.h>

#include <vector>

namespace kep {
namespace {

using Points = std::vector<SeriesPoint>;

Points Corners(const Points& points, double tolerance) {
  const auto size = static_cast<std::int32_t>(points.size());
  const std::int32_t count = SimplifyContour(points.data(), size, tolerance);
  return {CornerPoints(), CornerPoints() + count};
}

// The tolerance t becomes T = (truncate(16 t))^2 for exact integer tests.
TEST(SimplifyContour, KeepsTheCornersOfRunsBendsAndClosedSegments) {
  Points straight, lShape;
  for (std::int32_t x = 0; x <= 19; ++x) straight.push_back({x, 0});
  for (std::int32_t x = 0; x <= 9; ++x) lShape.push_back({x, 0});
  for (std::int32_t y = 1; y <= 10; ++y) lShape.push_back({9, y});
  const struct {
    Points points;
    double tolerance;
    Points corners;
  } cases[] = {
      {{{4, 7}}, 1.0, {{4, 7}}},
      {straight, 1.0, {{0, 0}, {19, 0}}},
      {lShape, 1.0, {{0, 0}, {9, 0}, {9, 10}}},
      {lShape, 0.05, lShape},  // T = 0: every point is a corner
      // A closed segment splits at the point farthest from its start.
      {{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {2, 0}, {1, 0}, {0, 0}}, 1.0, {{0, 0}, {3, 0}, {0, 0}}},
      // (3, 1) lies 0.83 pixels off the chord: under the tolerance of 1 for the
      // split search, over the final check's 1/sqrt(2).
      {{{0, 0}, {3, 1}, {6, 4}}, 1.0, {{0, 0}, {3, 1}, {6, 4}}},
      {{{0, 0}, {3, 1}, {6, 4}}, 1.2, {{0, 0}, {6, 4}}},
      // From the chord (0,0)-(5,0) the points at y = 3 lie 3 pixels away alike; the
      // last of them, (2,3), lies between the other two, on the edge of their hull.
      {{{0, 0}, {1, 3}, {3, 3}, {2, 3}, {5, 0}}, 2.0, {{0, 0}, {2, 3}, {5, 0}}},
      // The squared cross product times 256 exceeds 64 bits here.
      {{{0, 0}, {100000, 3000}, {200000, 0}}, 1.0, {{0, 0}, {100000, 3000}, {200000, 0}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Corners(c.points, c.tolerance), c.corners)
        << c.points.size() << " points, " << c.tolerance;
  }
  EXPECT_EQ(SimplifyContour(nullptr, 0, 1.0), 0);
}

}  // namespace
}  // namespace kep
