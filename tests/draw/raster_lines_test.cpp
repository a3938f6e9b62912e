#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <random>
#include <set>
#include <utility>

#include "draw/raster_canvas.h"

namespace kep {
namespace {

using PixelSet = std::set<std::pair<std::int64_t, std::int64_t>>;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

PixelSet PaintedPixels(const RasterCanvas& canvas) {
  PixelSet painted;
  for (std::int32_t y = 0; y < canvas.Height(); ++y) {
    for (std::int32_t x = 0; x < canvas.Width(); ++x) {
      if (canvas.PixelAt(x, y) != kWhite) painted.insert({x, y});
    }
  }
  return painted;
}

PixelSet DrawLine(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                  std::int32_t size = 12) {
  RasterCanvas canvas(size, size);
  canvas.MoveTo(x0, y0);
  canvas.LineTo(x1, y1);
  return PaintedPixels(canvas);
}

// The textbook incremental form, mirrored into every octant, for comparison.
PixelSet ReferenceLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                       std::int64_t size) {
  const std::int64_t sx = x1 > x0 ? 1 : (x1 < x0 ? -1 : 0);
  const std::int64_t sy = y1 > y0 ? 1 : (y1 < y0 ? -1 : 0);
  const std::int64_t ax = std::llabs(x1 - x0);
  const std::int64_t ay = std::llabs(y1 - y0);
  const bool xMajor = ax >= ay;
  const std::int64_t major = xMajor ? ax : ay;
  const std::int64_t minor = xMajor ? ay : ax;
  PixelSet pixels;
  std::int64_t x = x0;
  std::int64_t y = y0;
  std::int64_t decision = 2 * minor - major;
  for (std::int64_t step = 0; step < major; ++step) {
    if (x >= 0 && x < size && y >= 0 && y < size) pixels.insert({x, y});
    if (decision > 0) {
      (xMajor ? y : x) += xMajor ? sy : sx;
      decision -= 2 * major;
    }
    decision += 2 * minor;
    (xMajor ? x : y) += xMajor ? sx : sy;
  }
  return pixels;
}

TEST(RasterLineTest, LandsOnBresenhamPixelsWithoutTheEndPoint) {
  EXPECT_EQ(DrawLine(2, 3, 7, 3), (PixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}));
  EXPECT_EQ(DrawLine(0, 0, 5, 2), (PixelSet{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
  // Backwards the tie at the middle falls toward the other start.
  EXPECT_EQ(DrawLine(5, 2, 0, 0), (PixelSet{{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}));
  EXPECT_EQ(DrawLine(1, 1, 3, 6), (PixelSet{{1, 1}, {1, 2}, {2, 3}, {2, 4}, {3, 5}}));
  EXPECT_TRUE(DrawLine(3, 3, 3, 3).empty());
}

// Short lines in every direction, partly hidden ones, and long lines through a
// pixel of the canvas, which must be clipped to exactly their visible pixels.
TEST(RasterLineTest, MatchesTheIncrementalAlgorithmOnShortAndLongLines) {
  std::mt19937 random(7);
  std::uniform_int_distribution<std::int32_t> coordinate(-15, 45);
  for (int i = 0; i < 2000; ++i) {
    const std::int32_t x0 = coordinate(random), y0 = coordinate(random);
    const std::int32_t x1 = coordinate(random), y1 = coordinate(random);
    ASSERT_EQ(DrawLine(x0, y0, x1, y1, 30), ReferenceLine(x0, y0, x1, y1, 30))
        << "(" << x0 << ", " << y0 << ") to (" << x1 << ", " << y1 << ")";
  }
  std::uniform_int_distribution<std::int32_t> far(-1000000, 1000000);
  std::uniform_int_distribution<std::int32_t> near(0, 19);
  for (int i = 0; i < 20; ++i) {
    const std::int32_t cx = near(random), cy = near(random);
    const std::int32_t dx = far(random), dy = far(random) / 8;
    const bool steep = i % 2 == 0;
    const std::int32_t x0 = cx - (steep ? dy : dx), y0 = cy - (steep ? dx : dy);
    const std::int32_t x1 = cx + (steep ? dy : dx), y1 = cy + (steep ? dx : dy);
    ASSERT_EQ(DrawLine(x0, y0, x1, y1, 20), ReferenceLine(x0, y0, x1, y1, 20));
  }
}

TEST(RasterLineTest, ExtremeCoordinatesStayInsideTheCanvas) {
  PixelSet diagonal, row;
  for (std::int64_t i = 0; i < 12; ++i) {
    diagonal.insert({i, i});
    row.insert({i, 4});
  }
  EXPECT_EQ(DrawLine(kMin, kMin, kMax, kMax), diagonal);
  EXPECT_EQ(DrawLine(kMax, 4, kMin, 4), row);
  EXPECT_LE(DrawLine(kMin, kMax, kMax, kMin).size(), 12u);
  EXPECT_TRUE(DrawLine(kMin, 0, kMin, kMax).empty());
  EXPECT_LE(DrawLine(-5, kMax, 20, kMin).size(), 12u);
}

TEST(RasterLineTest, XorDrawingTwiceRestoresThePicture) {
  RasterCanvas canvas(24, 24), original(24, 24);
  for (RasterCanvas* c : {&canvas, &original}) {
    c->FillRect({0, 0, 12, 24}, Rgb{30, 140, 200});
    c->FillRect({6, 6, 18, 18}, kBlack);
  }

  canvas.SelectPen(kRed);
  EXPECT_EQ(canvas.SetDrawMode(DrawMode::kXor), DrawMode::kCopy);
  auto drawFigure = [&] {
    canvas.MoveTo(-3, 2);
    canvas.LineTo(30, 21);
    canvas.LineTo(4, 22);
    canvas.LineTo(-3, 2);
    canvas.MoveTo(9, 12);
    canvas.LineTo(12, 12);
    canvas.MoveTo(10, 11);
    canvas.LineTo(10, 14);
    canvas.SetPixel(20, 3, kGreen);
  };
  drawFigure();
  EXPECT_EQ(canvas.PixelAt(12, 12), original.PixelAt(12, 12));  // end point untouched
  EXPECT_EQ(canvas.PixelAt(9, 12), kRed);                       // black xor red
  EXPECT_EQ(canvas.PixelAt(10, 12), kBlack);                    // the cross's centre, twice
  EXPECT_EQ(canvas.PixelAt(20, 3), (Rgb{255, 0, 255}));         // white xor green
  EXPECT_NE(PaintedPixels(canvas), PaintedPixels(original));
  drawFigure();
  EXPECT_TRUE(std::equal(canvas.Data(), canvas.Data() + canvas.Stride() * canvas.Height(),
                         original.Data()));
}

}  // namespace
}  // namespace kep
