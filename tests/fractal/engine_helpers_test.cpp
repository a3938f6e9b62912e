#include <gtest/gtest.h>

#include <limits>

#include "draw/raster_canvas.h"
#include "draw/recording_canvas.h"
#include "fractal/fractal_engine.h"
#include "picture_engine.h"
#include "support/fake_services.h"

namespace kep {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(IsWithinRadiusTest, ComparesSquaredDistancesExactly) {
  EXPECT_TRUE(IsWithinRadius(3, 4, 5, 0, 0));
  EXPECT_FALSE(IsWithinRadius(3, 4, 4, 0, 0));
  EXPECT_TRUE(IsWithinRadius(13, 14, 5, 10, 10));
  // Squares beyond 32 bits.
  EXPECT_TRUE(IsWithinRadius(46341, 0, 46341, 0, 0));
  EXPECT_FALSE(IsWithinRadius(46341, 1, 46341, 0, 0));
  EXPECT_TRUE(IsWithinRadius(kMax, 0, kMax, 0, 0));
  EXPECT_FALSE(IsWithinRadius(kMax, kMax, kMax, kMin, kMin));
  EXPECT_FALSE(IsWithinRadius(kMin, 0, kMax, 0, 0));
  EXPECT_TRUE(IsWithinRadius(kMin, 0, kMin, 0, 0));
}

TEST(PointDistanceTest, IsEuclideanWithoutOverflow) {
  EXPECT_EQ(PointDistance({0, 0}, {3, 4}), 5.0);
  EXPECT_EQ(PointDistance({kMin, 0}, {kMax, 0}), 4294967295.0);
}

TEST(PauseSecondsTest, WaitsUntilTheClockHasMovedOnBySoManySeconds) {
  SteppingClock clock;
  ScopedClock installed(clock);
  FractalEngine engine;
  engine.PauseSeconds(3);
  EXPECT_EQ(clock.seconds, 4);  // read at 0, 1, 2 and 3
  engine.PauseSeconds(0);
  EXPECT_EQ(clock.seconds, 6);  // the first reading already ends it
}

TEST(BeginAnimationTest, StretchesTheImageOverTheClientArea) {
  FractalEngine engine;
  engine.outlineImage.Create(20, 10, 1);
  engine.BeginAnimation(nullptr);
  EXPECT_EQ(engine.drawContext, nullptr);

  RecordingCanvas window(Rect{10, 5, 40, 35});
  engine.BeginAnimation(&window);
  EXPECT_EQ(engine.drawContext, &window);
  EXPECT_EQ(engine.scaleX, 1.5);
  EXPECT_EQ(engine.scaleY, 3.0);
  EXPECT_EQ(engine.ToWindowX(3), 4);  // 4.5 truncated
  EXPECT_EQ(engine.ToWindowY(3), 9);
  engine.EndAnimation();
  EXPECT_EQ(engine.drawContext, nullptr);
  EXPECT_EQ(window.CallsOf<RecordedFlush>().size(), 1u);
}

TEST(RedrawOutlineImageTest, PaintsObjectPixelsWhiteAndTheRestBlack) {
  FractalEngine engine;
  engine.outlineImage = test::Picture({"#.7", ".#."});
  engine.objectValue = 255;
  RasterCanvas window(6, 4, kBlue);
  engine.BeginAnimation(&window);
  engine.RedrawOutlineImage();
  EXPECT_EQ(window.PixelAt(0, 0), kWhite);
  EXPECT_EQ(window.PixelAt(2, 2), kWhite);
  EXPECT_EQ(window.PixelAt(2, 0), kBlack);
  EXPECT_EQ(window.PixelAt(4, 0), kBlack);
  EXPECT_EQ(window.PixelAt(1, 1), kBlue);  // one window pixel per image pixel
}

}  // namespace
}  // namespace kep
