#include "draw/raster_canvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "draw/bitmap_font.h"

namespace kep {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr Rect kNothing{kMax, kMax, kMin, kMin};

Rgb Grey(std::uint8_t level) { return {level, level, level}; }

// The smallest rectangle holding every pixel that differs from white.
Rect PaintedBounds(const RasterCanvas& canvas) {
  Rect bounds = kNothing;
  for (std::int32_t y = 0; y < canvas.Height(); ++y) {
    for (std::int32_t x = 0; x < canvas.Width(); ++x) {
      if (canvas.PixelAt(x, y) == kWhite) continue;
      bounds = {std::min(bounds.left, x), std::min(bounds.top, y), std::max(bounds.right, x + 1),
                std::max(bounds.bottom, y + 1)};
    }
  }
  return bounds;
}

TEST(RasterCanvasTest, StartsInTheBackgroundAndFillsExcludeTheRightAndBottomEdgesClipped) {
  RasterCanvas blue(4, 3, kBlue);
  EXPECT_EQ(blue.ClientRect(), (Rect{0, 0, 4, 3}));
  EXPECT_EQ(blue.PixelAt(3, 2), kBlue);
  EXPECT_EQ(blue.Data()[3 * 5 + 2], 255);  // pixel (1, 1), rows of 4 red, green, blue triples
  EXPECT_EQ(blue.PixelAt(4, 0), kBlack);
  EXPECT_EQ(blue.SelectPen(kRed), kBlack);
  EXPECT_EQ(blue.SelectPen(kGreen), kRed);

  RasterCanvas empty(-5, 7);
  EXPECT_EQ(empty.ClientRect(), (Rect{0, 0, 0, 7}));
  empty.MoveTo(0, 0);
  empty.LineTo(9, 9);
  empty.FillRect({0, 0, 9, 9}, kRed);
  empty.DrawText(0, 0, "x");

  RasterCanvas canvas(8, 8);
  canvas.FillRect({1, 2, 4, 5}, kRed);
  canvas.FillRect({5, 5, 3, 7}, kGreen);  // right left of left: nothing
  EXPECT_EQ(PaintedBounds(canvas), (Rect{1, 2, 4, 5}));
  canvas.SetDrawMode(DrawMode::kXor);
  canvas.FillRect({kMin, 6, kMax, kMax}, kBlue);  // fills copy, also in exclusive-or mode
  EXPECT_EQ(canvas.PixelAt(0, 6), kBlue);
  EXPECT_EQ(canvas.PixelAt(7, 7), kBlue);
  EXPECT_EQ(canvas.PixelAt(7, 5), kWhite);
  canvas.SetPixel(kMax, kMin, kRed);
  canvas.SetPixel(-1, 0, kRed);
}

TEST(RasterCanvasTest, TextStartsAtItsTopLeftCornerAndIsClippedAnywhere) {
  RasterCanvas canvas(40, 20);
  canvas.SetDrawMode(DrawMode::kXor);  // text is always black
  canvas.DrawText(3, 4, "EE");
  EXPECT_EQ(PaintedBounds(canvas), (Rect{3, 4, 3 + kGlyphAdvance + kGlyphWidth, 4 + kGlyphHeight}));
  EXPECT_EQ(canvas.PixelAt(3, 4), kBlack);

  RasterCanvas clipped(10, 10);
  clipped.DrawText(-4, -3, "EEE");
  clipped.DrawText(kMax - 2, kMax - 2, "EEE");
  clipped.DrawText(kMin, 0, "EEE");
  EXPECT_EQ(clipped.PixelAt(0, 3), kBlack);  // the first E's bottom right corner
  EXPECT_EQ(clipped.PixelAt(0, 2), kWhite);
  EXPECT_EQ(clipped.PixelAt(2, 0), kBlack);  // the second E's left column
}

// Each destination pixel takes the source pixel under its centre.
TEST(RasterCanvasTest, StretchGreyMapsPixelCentresAndIgnoresUnusableArguments) {
  const std::vector<std::uint8_t> image = {10, 20, 30, 0, 40, 50, 60, 0};  // 3 x 2, padded rows
  RasterCanvas enlarged(8, 8);
  enlarged.StretchGrey({1, 1, 7, 5}, image.data(), 3, 2, 4, {0, 0, 3, 2});
  EXPECT_EQ(enlarged.PixelAt(1, 1), Grey(10));
  EXPECT_EQ(enlarged.PixelAt(2, 2), Grey(10));
  EXPECT_EQ(enlarged.PixelAt(3, 2), Grey(20));
  EXPECT_EQ(enlarged.PixelAt(6, 4), Grey(60));
  EXPECT_EQ(PaintedBounds(enlarged), (Rect{1, 1, 7, 5}));

  RasterCanvas part(4, 1);
  part.StretchGrey({0, 0, 4, 1}, image.data(), 3, 2, 4, {1, 1, 3, 2});
  EXPECT_EQ(part.PixelAt(1, 0), Grey(50));
  EXPECT_EQ(part.PixelAt(2, 0), Grey(60));
  RasterCanvas reduced(2, 1);
  const std::vector<std::uint8_t> row = {1, 2, 3, 4};
  reduced.StretchGrey({0, 0, 2, 1}, row.data(), 4, 1, 4, {0, 0, 4, 1});
  EXPECT_EQ(reduced.PixelAt(0, 0), Grey(2));
  EXPECT_EQ(reduced.PixelAt(1, 0), Grey(4));
  // Source pixels beyond the image leave the destination as it was.
  RasterCanvas beyond(4, 1);
  beyond.StretchGrey({0, 0, 4, 1}, image.data(), 3, 2, 4, {1, 0, 5, 1});
  EXPECT_EQ(beyond.PixelAt(1, 0), Grey(30));
  EXPECT_EQ(beyond.PixelAt(2, 0), kWhite);

  RasterCanvas canvas(6, 6);
  canvas.StretchGrey({0, 0, 6, 6}, nullptr, 2, 2, 4, {0, 0, 2, 2});
  canvas.StretchGrey({0, 0, 6, 6}, image.data(), 2, 2, 1, {0, 0, 2, 2});  // stride below width
  canvas.StretchGrey({6, 0, 0, 6}, image.data(), 2, 2, 4, {0, 0, 2, 2});
  canvas.StretchGrey({0, 0, 6, 6}, image.data(), 2, 2, 4, {0, 0, 0, 2});
  EXPECT_EQ(PaintedBounds(canvas), kNothing);
  // The canvas sits just right of and below the middle of the destination.
  canvas.StretchGrey({kMin, kMin, kMax, kMax}, image.data(), 2, 2, 4, {0, 0, 2, 2});
  EXPECT_EQ(canvas.PixelAt(0, 0), Grey(50));
  EXPECT_EQ(canvas.PixelAt(5, 5), Grey(50));
}

}  // namespace
}  // namespace kep
