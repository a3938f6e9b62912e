#include "fractal/dilation_method.h"

#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "picture_engine.h"

namespace kep {
namespace {

using test::PictureEngine;

// One outline pixel in the middle of a 21 x 21 image: the cross dilation grows it
// into diamonds of 5, 13, 25, 41 pixels (2k^2 + 2k + 1).
ImageBuffer CentreDot() { return test::Dots(21, 21, {{10, 10}}); }

TEST(DilationMethodTest, GrowsTheOutlineStepByStepAfterAFirstDilationByTheFromRadius) {
  EXPECT_EQ(PictureEngine(CentreDot()).Params(1, 5, 1).Run(DilationMethod).Points(),
            (std::vector<SeriesPoint>{{1, 5}, {2, 13}, {3, 25}, {4, 41}}));
  // The disc of radius 3 (29 pixels), then the cross once (49) and twice (73).
  EXPECT_EQ(PictureEngine(CentreDot()).Params(3, 5, 1).Run(DilationMethod).Points(),
            (std::vector<SeriesPoint>{{3, 49}, {4, 73}}));
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
