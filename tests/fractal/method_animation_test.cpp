#include "fractal/method_animation.h"

#include <gtest/gtest.h>

#include <limits>

#include "draw/raster_canvas.h"
#include "fractal/fractal_engine.h"
#include "preprocess/picture.h"
#include "support/fake_services.h"

namespace kep {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(EngineGeometryTest, RadiusAndDistanceAreExactBeyond32Bits) {
  EXPECT_TRUE(IsWithinRadius(3, 4, 5, 0, 0));
  EXPECT_FALSE(IsWithinRadius(3, 4, 4, 0, 0));
  EXPECT_TRUE(IsWithinRadius(13, 14, 5, 10, 10));
  EXPECT_TRUE(IsWithinRadius(46341, 0, 46341, 0, 0));
  EXPECT_FALSE(IsWithinRadius(46341, 1, 46341, 0, 0));
  EXPECT_FALSE(IsWithinRadius(kMax, kMax, kMax, kMin, kMin));
  EXPECT_TRUE(IsWithinRadius(kMin, 0, kMin, 0, 0));
  EXPECT_EQ(PointDistance({0, 0}, {3, 4}), 5.0);
  EXPECT_EQ(PointDistance({kMin, 0}, {kMax, 0}), 4294967295.0);
}

TEST(MethodAnimationTest, StretchesTheImageOverTheWindowAndPausesByTheClock) {
  const ImageBuffer outline = test::Picture({"#.7", ".#."});
  RasterCanvas window(6, 4, kBlue);
  const MethodAnimation animation(window, outline, 255);
  EXPECT_EQ(animation.ToWindowX(1), 2);
  EXPECT_EQ(animation.ToWindowY(1), 2);
  animation.RedrawOutlineImage();
  EXPECT_EQ(window.PixelAt(0, 0), kWhite);
  EXPECT_EQ(window.PixelAt(2, 2), kWhite);
  EXPECT_EQ(window.PixelAt(4, 0), kBlack);  // another grey value is not object
  EXPECT_EQ(window.PixelAt(1, 1), kBlue);   // one window pixel per image pixel

  SteppingClock clock;
  ScopedClock installed(clock);
  animation.PauseSeconds(3);
  EXPECT_EQ(clock.seconds, 4);  // read at 0, 1, 2 and 3
  animation.PauseSeconds(0);
  EXPECT_EQ(clock.seconds, 6);  // the first reading already ends it
}

}  // namespace
}  // namespace kep
