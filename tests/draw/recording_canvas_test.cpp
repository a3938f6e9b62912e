#include "draw/recording_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
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

TEST(RecordingCanvasTest, QueriesPickLinesByPenTextsByContentAndImagesUnpadded) {
  RecordingCanvas canvas;
  canvas.SelectPen(kRed);
  canvas.LineTo(3, 0);
  canvas.DrawText(7, 8, "X vs. Y");
  canvas.SelectPen(kBlue);
  canvas.LineTo(3, 5);
  canvas.DrawText(9, 9, "X vs. Y");
  EXPECT_EQ(canvas.LinesWithPen(kRed), (std::vector<RecordedLine>{{{0, 0}, {3, 0}, kRed, DrawMode::kCopy}}));
  EXPECT_TRUE(canvas.LinesWithPen(kGreen).empty());
  EXPECT_EQ(canvas.Lines().size(), 2u);
  ASSERT_NE(canvas.FindText("X vs. Y"), nullptr);
  EXPECT_EQ(canvas.FindText("X vs. Y")->at, (CanvasPoint{7, 8}));
  EXPECT_EQ(canvas.FindText("X vs."), nullptr);
  EXPECT_EQ(canvas.Texts().size(), 2u);

  const std::vector<std::uint8_t> image = {1, 2, 3, 0, 4, 5, 6, 0};
  canvas.StretchGrey({5, 6, 105, 206}, image.data(), 3, 2, 4, {0, 0, 3, 2});
  canvas.StretchGrey({0, 0, 1, 1}, nullptr, 3, 2, 4, {0, 0, 3, 2});
  const auto images = canvas.CallsOf<RecordedImage>();
  ASSERT_EQ(images.size(), 2u);
  EXPECT_EQ(images[0], (RecordedImage{{5, 6, 105, 206}, {0, 0, 3, 2}, 3, 2, {1, 2, 3, 4, 5, 6}}));
  EXPECT_TRUE(images[1].pixels.empty());
}

}  // namespace
}  // namespace kep
