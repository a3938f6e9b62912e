#include <gtest/gtest.h>

#include "fractal/fractal_engine.h"
#include "picture_engine.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;

std::vector<SeriesPoint> PointsOf(const PointSeries& series) {
  return {series.begin(), series.end()};
}

TEST(PrepareImageTest, AFilledSquareBecomesItsRing) {
  const ImageBuffer image = Picture({
      ".........",
      ".........",
      "..#####..",
      "..#####..",
      "..#####..",
      "..#####..",
      "..#####..",
      ".........",
      ".........",
  });
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 16);
  EXPECT_EQ(engine.outlines[0][0], (SeriesPoint{2, 2}));
  const std::vector<std::string> ring = {
      ".........", ".........", "..#####..", "..#...#..", "..#...#..",
      "..#...#..", "..#####..", ".........", ".........",
  };
  EXPECT_EQ(Rows(engine.outlineImage), ring);
  EXPECT_EQ(Rows(engine.sourceImage), Rows(image));

  // Dark particles: the same ring in 0 with the interior in 255.
  const ImageBuffer dark = test::Inverted(image);
  ASSERT_EQ(engine.PrepareImage(dark, 0, 255), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 16);
  EXPECT_EQ(Rows(test::Inverted(engine.outlineImage)), ring);
}

TEST(PrepareImageTest, ANestedParticleIsFoundAfterItsHost) {
  const ImageBuffer image = Picture({
      ".............",
      ".###########.",
      ".###########.",
      ".##.......##.",
      ".##.......##.",
      ".##..###..##.",
      ".##..###..##.",
      ".##..###..##.",
      ".##.......##.",
      ".##.......##.",
      ".###########.",
      ".###########.",
      ".............",
  });
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
      ".#.........#.", ".###########.", ".............",
  };
  EXPECT_EQ(Rows(engine.outlineImage), expected);
}

TEST(PrepareImageTest, OtherGreyValuesPassThrough) {
  const ImageBuffer image =
      Picture({".......", ".#####.", ".##3##.", ".#####.", ".......", "7......"});
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  const std::vector<std::string> expected = {".......", ".#####.", ".#.3.#.",
                                             ".#####.", ".......", "7......"};
  EXPECT_EQ(Rows(engine.outlineImage), expected);
}

TEST(PrepareImageTest, PartsTouchingAtACornerAreOneParticle) {
  const ImageBuffer image =
      Picture({".......", ".##....", ".##....", "...##..", "...##..", "......."});
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 10);
}

TEST(PrepareImageTest, ParticlesTouchingTheEdgeHaveBackgroundOutside) {
  const ImageBuffer corner = Picture({"###...", "###...", "###...", "......", "......"});
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(corner, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  const std::vector<SeriesPoint> ring = {{0, 0}, {0, 1}, {0, 2}, {1, 2},
                                         {2, 2}, {2, 1}, {2, 0}, {1, 0}};
  EXPECT_EQ(PointsOf(engine.outlines[0]), ring);
  EXPECT_EQ(engine.outlineImage.GetPixel(1, 1), 0);

  const ImageBuffer whole = Picture({"####", "####", "####"});
  ASSERT_EQ(engine.PrepareImage(whole, 255, 0), std::nullopt);
  ASSERT_EQ(engine.outlines.size(), 1u);
  EXPECT_EQ(engine.outlines[0].Count(), 10);
  EXPECT_EQ(Rows(engine.outlineImage), (std::vector<std::string>{"####", "#..#", "####"}));
}

TEST(PrepareImageTest, ReplacesTheOutlinesOfAnEarlierPreparation) {
  const ImageBuffer image = Picture({".....", ".##..", ".##..", "....."});
  FractalEngine engine;
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  ASSERT_EQ(engine.PrepareImage(image, 255, 0), std::nullopt);
  EXPECT_EQ(engine.outlines.size(), 1u);
}

TEST(PrepareImageTest, RefusesEqualObjectAndBackground) {
  FractalEngine engine;
  const ImageBuffer image = Picture({"...", ".#.", "..."});
  EXPECT_EQ(engine.PrepareImage(image, 255, 255)->code, FailureCode::kBadSettings);
  EXPECT_EQ(engine.PrepareImage(image, 255, 511)->code,
            FailureCode::kBadSettings);  // the same low 8 bits
}

TEST(FindBoundingBoxTest, SpansTheOutlinePixelsIncludingRowAndColumnZero) {
  test::PictureEngine row(Picture({"..############..", "................", "................"}));
  EXPECT_EQ(row.engine.top, 0);
  EXPECT_EQ(row.engine.bottom, 0);
  EXPECT_EQ(row.engine.left, 2);
  EXPECT_EQ(row.engine.right, 13);

  test::PictureEngine column(Picture({"...", "#..", "#..", "#..", "#..", "..."}));
  EXPECT_EQ(column.engine.left, 0);
  EXPECT_EQ(column.engine.right, 0);
  EXPECT_EQ(column.engine.top, 1);
  EXPECT_EQ(column.engine.bottom, 4);

  test::PictureEngine two(Picture({"......", "...##.", "......", ".#....", "......"}));
  EXPECT_EQ(two.engine.left, 1);
  EXPECT_EQ(two.engine.top, 1);
  EXPECT_EQ(two.engine.right, 4);
  EXPECT_EQ(two.engine.bottom, 3);
}

}  // namespace
}  // namespace kep
