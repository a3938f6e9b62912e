#include "fractal/box_counting.h"

#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "picture_engine.h"
#include "support/fake_services.h"

namespace kep {
namespace {

using test::PictureEngine;

// The ring of a 5 x 5 square at (2, 2)..(6, 6): the boxes tile columns and rows
// 2 to 6.
const std::vector<std::string> kRing = {".........", ".........", "..#####..",
                                        "..#####..", "..#####..", "..#####..",
                                        "..#####..", ".........", "........."};

std::vector<SeriesPoint> BoxPoints(const std::vector<std::string>& rows, std::int32_t from,
                                   std::int32_t to, std::int32_t gridOffsets = 1) {
  PictureEngine calc(test::Picture(rows));
  calc.engine.gridOffsets = gridOffsets;
  return calc.Params(from, to, 1).Run(BoxCounting).Points();
}

TEST(BoxCountingTest, CountsTheBoxesThatTileTheBoundingBox) {
  // Size 1: the 16 ring pixels. Size 2: nine boxes, the one at (4, 4) holding
  // interior only. Sizes 3 and 4: four boxes, reaching past the ring. Size 5: one.
  EXPECT_EQ(BoxPoints(kRing, 1, 5),
            (std::vector<SeriesPoint>{{1, 16}, {2, 8}, {3, 4}, {4, 4}, {5, 1}}));
  // An outline in one row or column gives boxes like any other.
  EXPECT_EQ(BoxPoints({"###########", "...........", "..........."}, 1, 5),
            (std::vector<SeriesPoint>{{1, 11}, {2, 6}, {3, 4}, {4, 3}, {5, 3}}));
  EXPECT_EQ(BoxPoints({".#.", ".#.", ".#.", ".#.", ".#.", ".#.", ".#."}, 1, 5),
            (std::vector<SeriesPoint>{{1, 7}, {2, 4}, {3, 3}, {4, 2}, {5, 2}}));
  // Pixels at columns 1, 4 and 5: boxes of 2 from column 1 need three; of several
  // grid positions the one a column to the left needs the fewest, [0, 1] and [4, 5].
  const std::vector<std::string> three = {".......", ".#..##.", "......."};
  EXPECT_EQ(BoxPoints(three, 2, 2), (std::vector<SeriesPoint>{{2, 3}}));
  EXPECT_EQ(BoxPoints(three, 2, 2, 2), (std::vector<SeriesPoint>{{2, 2}}));
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
  // Size 2: rows 2, 4, 6, then columns 2, 4, 6; size 3: rows 2, 5, then columns 2, 5.
  const std::vector<RecordedLine> grid = {
      line(2, 2, 6, 2), line(2, 4, 6, 4), line(2, 6, 6, 6), line(2, 2, 2, 6), line(4, 2, 4, 6),
      line(6, 2, 6, 6), line(2, 2, 6, 2), line(2, 5, 6, 5), line(2, 2, 2, 6), line(5, 2, 5, 6)};
  EXPECT_EQ(window.Lines(), grid);
  // Each occupied box one window pixel larger on every side, right and bottom
  // exclusive: boxes (x0, y0)..(x1, y1) become (x0 - 1, y0 - 1, x1 + 1, y1 + 1).
  const std::vector<RecordedFill> boxes = {
      {{1, 1, 4, 4}, kRed}, {{1, 3, 4, 6}, kRed}, {{1, 5, 4, 8}, kRed}, {{3, 1, 6, 4}, kRed},
      {{3, 5, 6, 8}, kRed}, {{5, 1, 8, 4}, kRed}, {{5, 3, 8, 6}, kRed}, {{5, 5, 8, 8}, kRed},
      {{1, 1, 5, 5}, kRed}, {{1, 4, 5, 8}, kRed}, {{4, 1, 8, 5}, kRed}, {{4, 4, 8, 8}, kRed}};
  EXPECT_EQ(window.CallsOf<RecordedFill>(), boxes);
  EXPECT_EQ(test::CallSequence(window),
            "pen x2, move, line, move, line, move, line, move, line, move, line, move, line, pen, "
            "fill x8, flush, pixel x81, "
            "pen, move, line, move, line, move, line, move, line, pen, fill x4, flush, pixel x81, "
            "pen, flush");
  EXPECT_EQ(window.Pen(), kBlack);  // the pen selected before
  EXPECT_EQ(clock.seconds, 4);      // a pause of one second per size: two readings each
}

}  // namespace
}  // namespace kep
