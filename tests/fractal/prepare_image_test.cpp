#include <gtest/gtest.h>

#include <array>

#include "fractal/fractal_engine.h"
#include "walking_fixture.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;

TEST(PrepareImageTest, AFilledSquareBecomesItsRingForEitherParticleValue) {
  const ImageBuffer image =
      Picture({".........", ".........", "..#####..", "..#####..", "..#####..", "..#####..",
               "..#####..", ".........", "........."});
  const std::vector<std::string> ring = {".........", ".........", "..#####..",
                                         "..#...#..", "..#...#..", "..#...#..",
                                         "..#####..", ".........", "........."};
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 16);
  EXPECT_EQ(engine.outlines[0][0], (SeriesPoint{2, 2}));
  EXPECT_EQ(Rows(engine.outlineImage), ring);
  EXPECT_EQ(Rows(engine.sourceImage), Rows(image));

  // Dark particles on the same engine: the ring in 0 with the interior in 255,
  // and the outlines of the first preparation replaced.
  ASSERT_EQ(engine.PrepareImage(test::Inverted(image), 0, 255), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 16);
  EXPECT_EQ(Rows(test::Inverted(engine.outlineImage)), ring);

  // Object and background must differ in their low 8 bits.
  EXPECT_EQ(engine.PrepareImage(image, 255, 255)->code, FailureCode::kBadSettings);
  EXPECT_EQ(engine.PrepareImage(image, 255, 511)->code, FailureCode::kBadSettings);
}

TEST(PrepareImageTest, ANestedParticleIsFoundAfterItsHost) {
  const ImageBuffer image =
      Picture({".............", ".###########.", ".###########.", ".##.......##.", ".##.......##.",
               ".##..###..##.", ".##..###..##.", ".##..###..##.", ".##.......##.", ".##.......##.",
               ".###########.", ".###########.", "............."});
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 2u);
  EXPECT_EQ(engine.outlines[0].Count(), 40);
  EXPECT_EQ(engine.outlines[1].Count(), 8);
  EXPECT_EQ(engine.outlines[1][0], (SeriesPoint{5, 5}));
  // Only the outer boundary of the host is kept; its inner edge becomes background.
  const std::vector<std::string> expected = {
      ".............", ".###########.", ".#.........#.", ".#.........#.", ".#.........#.",
      ".#...###...#.", ".#...#.#...#.", ".#...###...#.", ".#.........#.", ".#.........#.",
      ".#.........#.", ".###########.", "............."};
  EXPECT_EQ(Rows(engine.outlineImage), expected);
}

TEST(PrepareImageTest, OtherGreyValuesPassThroughAndPartsTouchingAtACornerAreOneParticle) {
  FractalEngine engine;
  ASSERT_EQ(
      engine.PrepareImage(Picture({".......", ".#####.", ".##3##.", ".#####.", "7......"}), 255, 0),
      std::nullopt);
  EXPECT_EQ(Rows(engine.outlineImage),
            (std::vector<std::string>{".......", ".#####.", ".#.3.#.", ".#####.", "7......"}));

  ASSERT_EQ(
      engine.PrepareImage(
          Picture({".......", ".##....", ".##....", "...##..", "...##..", "......."}), 255, 0),
      std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 10);
}

TEST(PrepareImageTest, ParticlesTouchingTheEdgeHaveBackgroundOutside) {
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(Picture({"###...", "###...", "###...", "......"}), 255, 0),
            std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(
      test::PointsOf(engine.outlines[0]),
      (std::vector<SeriesPoint>{{0, 0}, {0, 1}, {0, 2}, {1, 2}, {2, 2}, {2, 1}, {2, 0}, {1, 0}}));
  EXPECT_EQ(engine.outlineImage.GetPixel(1, 1), 0);

  ASSERT_EQ(engine.PrepareImage(Picture({"####", "####", "####"}), 255, 0), std::nullopt);
  EXPECT_EQ(engine.outlines[0].Count(), 10);
  EXPECT_EQ(Rows(engine.outlineImage), (std::vector<std::string>{"####", "#..#", "####"}));
}

// left, top, right, bottom
std::array<std::int32_t, 4> Box(const std::vector<std::string>& rows) {
  const test::PictureEngine prepared(Picture(rows));
  const FractalEngine& e = prepared.engine;
  return {e.left, e.top, e.right, e.bottom};
}

TEST(FindBoundingBoxTest, SpansTheOutlinePixelsIncludingRowAndColumnZero) {
  EXPECT_EQ(Box({"..############..", "................"}), (std::array{2, 0, 13, 0}));
  EXPECT_EQ(Box({"...", "#..", "#..", "#..", "#..", "..."}), (std::array{0, 1, 0, 4}));
  EXPECT_EQ(Box({"......", "...##.", "......", ".#....", "......"}), (std::array{1, 1, 4, 3}));
}

}  // namespace
}  // namespace kep
