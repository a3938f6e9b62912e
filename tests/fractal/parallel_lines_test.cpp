#include "fractal/parallel_lines_method.h"

#include <gtest/gtest.h>

#include "walking_fixture.h"

namespace kep {
namespace {

using test::Outline;
using test::PointsOf;
using test::SquareRing;

TEST(ParallelLinesTest, WalksThroughThePixelsOnTheLinesWithoutClosing) {
  // Separation 1 keeps every pixel: 11 steps, no step back. Separation 2 lays lines on
  // rows 0 and 2: (0,0) (1,0) (2,0) (3,0) (3,2) (0,2) = 1 + 1 + 1 + 2 + 3. Separation 3
  // keeps rows 0 and 3: 3 + 3 + 3. Separation 4 only row 0: 3.
  const PointSeries points = ParallelLinesPoints({SquareRing(0, 0)}, 0, 3, {1, 5, 1});
  EXPECT_EQ(PointsOf(points), (std::vector<SeriesPoint>{{1, 11}, {2, 8}, {3, 9}, {4, 3}}));
}

TEST(ParallelLinesTest, TheFirstPixelStartsThePathAndPixelsOutsideTheBoxLieOnNoLine) {
  // Lines on rows 0 and 4. The first pixel (5,1) lies between them and still starts
  // the path (5,1) (5,4) (6,4); an outline wholly between the lines adds nothing.
  const PointSeries first = Outline({{5, 1}, {5, 2}, {5, 3}, {5, 4}, {6, 4}});
  const PointSeries between = Outline({{10, 1}, {10, 2}, {11, 2}});
  EXPECT_EQ(PointsOf(ParallelLinesPoints({first, between}, 0, 4, {4, 5, 1})),
            (std::vector<SeriesPoint>{{4, 4}}));
  // Rows -4 and 8 lie outside the box from row 0 to 4: the path is (0,0) (0,2).
  const PointSeries outline = Outline({{0, 0}, {0, -4}, {0, 8}, {0, 2}});
  EXPECT_EQ(PointsOf(ParallelLinesPoints({outline}, 0, 4, {2, 3, 1})),
            (std::vector<SeriesPoint>{{2, 2}}));
  // A one-pixel outline, and a diagonal step of 1.41 kept at separation 1 only:
  // shorter paths give 0, which stays in the series.
  EXPECT_EQ(PointsOf(ParallelLinesPoints({Outline({{0, 0}}), Outline({{3, 0}, {4, 1}})}, 0, 1,
                                         {1, 4, 1})),
            (std::vector<SeriesPoint>{{1, 1}, {2, 0}, {3, 0}}));
  EXPECT_EQ(ParallelLinesPoints({outline}, 0, 4, {1, 9, 0}).Count(), 0);
  EXPECT_EQ(ParallelLinesPoints({outline}, 0, 4, {-3, 9, 1}).Count(), 0);
}

TEST(ParallelLinesTest, AnimationShowsGreenLinesAndRedPathsAndRemovesThem) {
  test::FastClock clock;
  test::PreparedEngine prepared({SquareRing(2, 2)}, 8, 8);
  FractalEngine& engine = prepared.engine;
  engine.left = 2;
  engine.top = 2;
  engine.right = 5;
  engine.bottom = 5;
  prepared.Params(3, 4, 1);
  test::FlushRecordingWindow window(8, 8, kBlack);
  prepared.Run(ParallelLinesMethod, &window);
  ASSERT_EQ(window.flushes.size(), 3u);  // shown, removed, ended
  // Lines on rows 2 and 5 from column 2 up to (not including) column 5; the red path
  // runs over the same pixels and the right column, so where both were drawn the
  // pixel is yellow.
  const auto& shown = window.flushes[0];
  EXPECT_EQ(window.PixelsOf(shown, kGreen), (std::vector<SeriesPoint>{}));
  EXPECT_EQ(window.PixelsOf(shown, Rgb{255, 255, 0}),
            (std::vector<SeriesPoint>{{2, 2}, {3, 2}, {4, 2}, {2, 5}, {3, 5}, {4, 5}}));
  EXPECT_TRUE(window.IsBlank());
  EXPECT_EQ(PointsOf(prepared.result), (std::vector<SeriesPoint>{{3, 9}}));
}

}  // namespace
}  // namespace kep
