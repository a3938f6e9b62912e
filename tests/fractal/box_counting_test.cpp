#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "draw/recording_canvas.h"
#include "fractal/box_counting.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "picture_engine.h"
#include "support/fake_services.h"

namespace kep {
namespace {

using test::PictureEngine;

// The ring of a 5 x 5 square at (2, 2)..(6, 6): left 2, right 6, W = H = 4.
const std::vector<std::string> kRing = {
    ".........", ".........", "..#####..", "..#####..", "..#####..",
    "..#####..", "..#####..", ".........", ".........",
};

TEST(BoxCountingTest, CountsTheBoxesThatTileTheBoundingBox) {
  PictureEngine calc(test::Picture(kRing));
  calc.Params(1, 5, 1).Run(BoxCounting);
  // Size 1 sees x 2..5 and y 2..5 only: the top row (4) and left column (3).
  // Size 2: three of the four boxes; the one at (4, 4) holds interior only.
  // Size 3: four boxes, two of them reaching past the ring. Sizes 4, 5: one box.
  EXPECT_EQ(calc.Points(), (std::vector<SeriesPoint>{{1, 7}, {2, 3}, {3, 4}, {4, 1}, {5, 1}}));
}

TEST(BoxCountingTest, OutlinesInOneRowOrColumnExamineNoBox) {
  for (const auto& rows :
       {std::vector<std::string>{"###########", "...........", "..........."},
        std::vector<std::string>{".#.", ".#.", ".#.", ".#.", ".#.", ".#.", ".#."}}) {
    const ImageBuffer image = test::Picture(rows);
    FractalEngine engine;
    engine.param1 = 8;
    engine.param2 = 30;
    engine.param3 = 1;
    const MeasureResult result = engine.ComputeFD(kBoxCountingIndex, image, 255, 0, nullptr);
    const double fd = result.dimension;
    const PointSeries& series = result.points;
    EXPECT_EQ(fd, 0.0);
    EXPECT_TRUE(std::signbit(fd));
    ASSERT_EQ(series.Count(), 23);
    for (std::int32_t i = 0; i < 23; ++i) EXPECT_EQ(series[i], (SeriesPoint{8 + i, 1}));
  }
}

TEST(BoxCountingTest, MakesNoPointForAnEmptyRangeOrAStepBelowOne) {
  PictureEngine calc(test::Picture(kRing));
  calc.Params(9, 8, 1).Run(BoxCounting);
  calc.Params(1, 8, 0).Run(BoxCounting);
  calc.Params(0, 8, 1).Run(BoxCounting);
  EXPECT_EQ(calc.result.Count(), 0);
}

TEST(BoxCountingTest, AnimationDrawsTheGridAndTheBoxesAndPausesForEachSize) {
  SteppingClock clock;
  ScopedClock installed(clock);
  PictureEngine calc(test::Picture(kRing));
  RecordingCanvas window(Rect{0, 0, 9, 9});
  calc.Params(2, 3, 1).Run(BoxCounting, &window);

  auto line = [](std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1) {
    return RecordedLine{{x0, y0}, {x1, y1}, kGreen, DrawMode::kCopy};
  };
  const std::vector<RecordedLine> grid = {
      // size 2: rows 2, 4, 6, then columns 2, 4, 6
      line(2, 2, 6, 2),
      line(2, 4, 6, 4),
      line(2, 6, 6, 6),
      line(2, 2, 2, 6),
      line(4, 2, 4, 6),
      line(6, 2, 6, 6),
      // size 3: rows 2, 5, then columns 2, 5
      line(2, 2, 6, 2),
      line(2, 5, 6, 5),
      line(2, 2, 2, 6),
      line(5, 2, 5, 6),
  };
  EXPECT_EQ(window.Lines(), grid);
  // Each occupied box one window pixel larger on every side, right and bottom
  // exclusive: boxes (x0, y0)..(x1, y1) become (x0 - 1, y0 - 1, x1 + 1, y1 + 1).
  const std::vector<RecordedFill> boxes = {
      {{1, 1, 4, 4}, kRed}, {{1, 3, 4, 6}, kRed}, {{3, 1, 6, 4}, kRed}, {{1, 1, 5, 5}, kRed},
      {{1, 4, 5, 8}, kRed}, {{4, 1, 8, 5}, kRed}, {{4, 4, 8, 8}, kRed},
  };
  EXPECT_EQ(window.CallsOf<RecordedFill>(), boxes);
  EXPECT_EQ(test::CallSequence(window),
            "pen x2, move, line, move, line, move, line, move, line, move, line, move, line, pen, "
            "fill x3, flush, pixel x81, "
            "pen, move, line, move, line, move, line, move, line, pen, fill x4, flush, pixel x81, "
            "pen, flush");
  EXPECT_EQ(window.Pen(), kBlack);  // the pen selected before
  EXPECT_EQ(clock.seconds, 4);      // a pause of one second per size: two readings each
}

}  // namespace
}  // namespace kep
