#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "fractal/dilation_method.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "picture_engine.h"

namespace kep {
namespace {

using test::PictureEngine;

// One outline pixel in the middle of a 21 x 21 image: the cross dilation grows it
// into diamonds of 5, 13, 25, 41 pixels (2k^2 + 2k + 1).
ImageBuffer CentreDot() { return test::Dots(21, 21, {{10, 10}}); }

TEST(DilationMethodTest, GrowsTheOutlineStepByStep) {
  PictureEngine calc(CentreDot());
  calc.Params(1, 5, 1).Run(DilationMethod);
  EXPECT_EQ(calc.Points(), (std::vector<SeriesPoint>{{1, 5}, {2, 13}, {3, 25}, {4, 41}}));
}

TEST(DilationMethodTest, AFromRadiusAboveOneDilatesByItFirst) {
  // The disc of radius 3 (29 pixels), then the cross once (49) and twice (73).
  PictureEngine calc(CentreDot());
  calc.Params(3, 5, 1).Run(DilationMethod);
  EXPECT_EQ(calc.Points(), (std::vector<SeriesPoint>{{3, 49}, {4, 73}}));
}

TEST(DilationMethodTest, DarkParticlesGiveTheSamePointsAsBrightOnes) {
  const std::vector<std::string> rows = {
      "............", "............", "..######....", "..######....", "..########..",
      "..########..", "......####..", "............", "............", "............",
  };
  PictureEngine bright(test::Picture(rows));
  PictureEngine dark(test::Inverted(test::Picture(rows)), 0);
  bright.Params(1, 6, 1).Run(DilationMethod);
  dark.Params(1, 6, 1).Run(DilationMethod);
  EXPECT_EQ(bright.result.Count(), 5);
  EXPECT_EQ(dark.Points(), bright.Points());
}

TEST(DilationMethodTest, MakesNoPointForOtherObjectValuesOrAStepBelowOne) {
  PictureEngine calc(CentreDot());
  calc.Params(1, 5, 1).engine.objectValue = 7;
  calc.Run(DilationMethod);
  EXPECT_EQ(calc.result.Count(), 0);

  calc.engine.objectValue = 255;
  calc.Params(1, 5, 0).Run(DilationMethod);
  EXPECT_EQ(calc.result.Count(), 0);
}

TEST(DilationMethodTest, DefaultsGiveNineteenRadii) {
  ImageBuffer square = test::Filled(40, 40, 0);
  for (std::int32_t y = 15; y < 25; ++y) {
    for (std::int32_t x = 15; x < 25; ++x) square.SetPixel(x, y, 255);
  }
  FractalEngine engine;
  engine.param1 = 1;
  engine.param2 = 20;
  engine.param3 = 1;
  const MeasureResult result = engine.ComputeFD(kDilationIndex, square, 255, 0, nullptr);
  EXPECT_GT(result.dimension, 0.0);
  const PointSeries& series = result.points;
  ASSERT_EQ(series.Count(), 19);
  for (std::int32_t i = 0; i < 19; ++i) EXPECT_EQ(series[i].x, i + 1);
}

TEST(DilationMethodTest, AnimationPaintsTheGrownPixelsRedAfterEachStep) {
  PictureEngine calc(CentreDot());
  RecordingCanvas window(Rect{0, 0, 42, 42});  // two window pixels per image pixel
  calc.Params(1, 3, 1).Run(DilationMethod, &window);

  std::vector<RecordedPixel> expected;
  for (const SeriesPoint p : {SeriesPoint{9, 10},
                              {10, 9},
                              {10, 11},
                              {11, 10},
                              {8, 10},
                              {9, 9},
                              {9, 11},
                              {10, 8},
                              {10, 12},
                              {11, 9},
                              {11, 11},
                              {12, 10}}) {
    expected.push_back({{2 * p.x, 2 * p.y}, kRed, DrawMode::kCopy});
  }
  EXPECT_EQ(window.CallsOf<RecordedPixel>(), expected);
  // The last flush comes with giving the context back.
  EXPECT_EQ(test::CallSequence(window), "pixel x4, flush, pixel x8, flush x2");
}

}  // namespace
}  // namespace kep
