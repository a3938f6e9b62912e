// Each method against shapes whose dimension is known: smooth outlines (1), the
// Koch snowflake (log 4 / log 3 = 1.2619) and the quadratic Koch island (1.5), at
// each method's default scales. The tolerances are those the methods reach at
// these sizes; a method whose estimate is known to be biased at its defaults must
// still order the shapes by their roughness.

#include <gtest/gtest.h>

#include <cmath>

#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "preprocess/picture.h"
#include "shapes/fractal_shapes.h"

namespace kep {
namespace {

constexpr double kSnowflake = 1.2618595071429148;  // log 4 / log 3
constexpr double kIsland = 1.5;                     // log 8 / log 4

double Dimension(std::uint32_t method, const ImageBuffer& image) {
  FractalEngine engine;
  const std::array<std::int32_t, 3> params = DefaultParameters(method);
  engine.param1 = params[0];
  engine.param2 = params[1];
  engine.param3 = params[2];
  return engine.ComputeFD(method, image, 255, 0, nullptr).dimension;
}

ImageBuffer Disc(std::int32_t size, std::int32_t radius) {
  ImageBuffer disc = test::Filled(size, size, 0);
  const std::int32_t c = size / 2;
  for (std::int32_t y = 0; y < size; ++y) {
    for (std::int32_t x = 0; x < size; ++x) {
      if ((x - c) * (x - c) + (y - c) * (y - c) <= radius * radius) disc.SetPixel(x, y, 255);
    }
  }
  return disc;
}

struct Expectation {
  std::uint32_t method;
  double tolerance;  // of the smooth and the two Koch outlines' dimensions; 0: ordered only
};

TEST(KnownDimensionTest, EveryMethodMeasuresSmoothAndKochOutlines) {
  const ImageBuffer disc = Disc(512, 200);
  const ImageBuffer snowflake = shapes::KochSnowflake(1024);
  const ImageBuffer island = shapes::QuadraticKochIsland(1024);
  const Expectation expectations[] = {
      {kDilationIndex, 0.12},        {kDistanceMapIndex, 0},      {kBoxCountingIndex, 0.06},
      {kFastIndex, 0},               {kFastHybridIndex, 0.08},    {kParallelLinesIndex, 0.08},
      {kMassRadiusLongIndex, 0.04},  {kMassRadiusShortIndex, 0.04}, {kCornerPerimeterIndex, 0},
  };
  for (const Expectation& e : expectations) {
    const char* name = kMethods[e.method].listText;
    const double smooth = Dimension(e.method, disc);
    const double koch = Dimension(e.method, snowflake);
    const double quadratic = Dimension(e.method, island);
    EXPECT_LT(smooth, koch) << name;
    EXPECT_LT(koch, quadratic) << name;
    EXPECT_NEAR(smooth, 1.0, 0.12) << name;
    if (e.tolerance == 0) continue;
    EXPECT_NEAR(koch, kSnowflake, e.tolerance) << name;
    EXPECT_NEAR(quadratic, kIsland, e.tolerance) << name;
  }
}

TEST(KnownDimensionTest, CornerCountAndCumulativeIntersectionFollowTheirOwnLaws) {
  // Corners of a smooth curve at deviation e grow as e^-1/2.
  EXPECT_NEAR(Dimension(kCornerCountIndex, Disc(512, 200)), 0.5, 0.1);
  // Outline pixels within r of the centre of a thin bar grow as r.
  ImageBuffer bar = test::Filled(512, 512, 0);
  for (std::int32_t x = 50; x < 460; ++x) {
    bar.SetPixel(x, 250, 255);
    bar.SetPixel(x, 251, 255);
  }
  EXPECT_NEAR(Dimension(kCumulativeIntersectionIndex, bar), 1.0, 0.02);
}

}  // namespace
}  // namespace kep
