#include "draw/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace kep {
namespace {

TEST(RecordingCanvasTest, RecordsEveryCallInOrderWithPenModeAndPosition) {
  RecordingCanvas canvas({10, 20, 410, 320});
  EXPECT_EQ(canvas.ClientRect(), (Rect{10, 20, 410, 320}));
  EXPECT_EQ(canvas.SelectPen(kRed), kBlack);
  canvas.MoveTo(1, 2);
  canvas.LineTo(5, 2);
  EXPECT_EQ(canvas.SetDrawMode(DrawMode::kXor), DrawMode::kCopy);
  canvas.LineTo(5, 9);
  EXPECT_EQ(canvas.SelectPen(kBlue), kRed);
  canvas.SetPixel(3, 4, kGreen);
  canvas.FillRect({1, 1, 3, 3}, kWhite);
  canvas.DrawText(60, 13, "1.500");
  canvas.StretchGrey({0, 0, 1, 1}, nullptr, 3, 2, 4, {0, 0, 3, 2});  // no pixels to copy
  canvas.Flush();

  const std::vector<RecordedCall> expected = {
      RecordedPen{kRed},
      RecordedMove{{1, 2}},
      RecordedLine{{1, 2}, {5, 2}, kRed, DrawMode::kCopy},
      RecordedDrawMode{DrawMode::kXor},
      RecordedLine{{5, 2}, {5, 9}, kRed, DrawMode::kXor},
      RecordedPen{kBlue},
      RecordedPixel{{3, 4}, kGreen, DrawMode::kXor},
      RecordedFill{{1, 1, 3, 3}, kWhite},
      RecordedText{{60, 13}, "1.500"},
      RecordedImage{{0, 0, 1, 1}, {0, 0, 3, 2}, 3, 2, {}},
      RecordedFlush{},
  };
  EXPECT_EQ(canvas.Calls(), expected);
  EXPECT_EQ(canvas.Position(), (CanvasPoint{5, 9}));
  EXPECT_EQ(canvas.Pen(), kBlue);
  EXPECT_EQ(canvas.Mode(), DrawMode::kXor);

  canvas.ClearCalls();
  EXPECT_TRUE(canvas.Calls().empty());
  EXPECT_EQ(canvas.Pen(), kBlue);
}

}  // namespace
}  // namespace kep
