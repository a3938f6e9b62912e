// The fast forms of the radius and box methods against their plain reference
// forms, point for point, on seeded random pictures: up to 128 x 128 pixels,
// particles of every shape (also touching the image's edges), bright or dark,
// with a few pixels of a third grey value, and parameters up to 40.
// KEP_DIFFERENTIAL_CASES raises the number of pictures (make test-long).

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fractal/box_counting.h"
#include "fractal/cumulative_intersection_method.h"
#include "fractal/dilation_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/mass_radius_method.h"
#include "reference/method_reference.h"
#include "support/random_picture.h"

namespace kep {
namespace {

using test::Between;
using test::RandomPicture;

int CaseCount() {
  const char* cases = std::getenv("KEP_DIFFERENTIAL_CASES");
  return cases != nullptr ? std::atoi(cases) : 1000;
}

// One random picture prepared for measuring, with random parameters, and the text
// that tells a failing case apart.
struct RandomCase {
  std::mt19937 random;
  ImageBuffer image;
  FractalEngine engine;
  std::string description;
};

void Prepare(RandomCase& c, std::uint32_t seed) {
  c.random.seed(seed);
  std::mt19937& random = c.random;
  const std::uint8_t particle = random() % 2 == 0 ? 255 : 0;
  c.image = RandomPicture(random, particle, static_cast<std::uint8_t>(255 - particle));
  c.engine.PrepareImage(c.image, particle, 255u - particle);
  c.engine.FindBoundingBox();
  // Mostly 1..40, sometimes 0 or below, which no scale loop may take.
  const auto parameter = [&random] {
    return random() % 16 == 0 ? Between(random, -2, 0) : Between(random, 1, 40);
  };
  c.engine.param1 = parameter();
  c.engine.param2 = parameter();
  c.engine.param3 = random() % 2 == 0 ? parameter() : Between(random, 1, 3);
  std::ostringstream text;
  text << "seed " << seed << ", " << c.image.Width() << " x " << c.image.Height() << ", particle "
       << int{particle} << ", params " << c.engine.param1 << " " << c.engine.param2 << " "
       << c.engine.param3;
  c.description = text.str();
}

std::vector<SeriesPoint> PointsOf(const PointSeries& series) {
  return {series.begin(), series.end()};
}

std::vector<std::uint8_t> PixelsOf(const ImageBuffer& image) {
  std::vector<std::uint8_t> pixels;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) pixels.push_back(image.GetPixel(x, y));
  }
  return pixels;
}

// Runs `check` on every random case.
template <typename Check>
void ForEachCase(std::uint32_t firstSeed, Check check) {
  for (int i = 0; i < CaseCount(); ++i) {
    RandomCase c;
    Prepare(c, firstSeed + static_cast<std::uint32_t>(i));
    SCOPED_TRACE(c.description);
    check(c.engine, c.random);
    if (::testing::Test::HasFailure()) return;
  }
}

TEST(DifferentialTest, DilationMethod) {
  ForEachCase(1000000, [](const FractalEngine& engine, std::mt19937&) {
    PointSeries fast;
    PointSeries plain;
    MeasureDilation(engine, fast);
    reference::MeasureDilation(engine, plain);
    EXPECT_EQ(PointsOf(fast), PointsOf(plain));
  });
}

TEST(DifferentialTest, DistanceMapPointsAndMap) {
  ForEachCase(2000000, [](const FractalEngine& engine, std::mt19937&) {
    PointSeries fast;
    PointSeries plain;
    ImageBuffer fastMap;
    ImageBuffer plainMap;
    EXPECT_TRUE(MeasureDistanceMap(engine, fast, fastMap));
    EXPECT_TRUE(reference::MeasureDistanceMap(engine, plain, plainMap));
    EXPECT_EQ(PointsOf(fast), PointsOf(plain));
    EXPECT_EQ(PixelsOf(fastMap), PixelsOf(plainMap));
  });
}

TEST(DifferentialTest, BoxCountingOnOneOrSeveralGrids) {
  ForEachCase(3000000, [](FractalEngine& engine, std::mt19937& random) {
    // Mostly a few grid positions, sometimes more than some box sizes have pixels.
    engine.gridOffsets = random() % 4 == 0 ? 1 : Between(random, 2, random() % 8 == 0 ? 16 : 5);
    PointSeries fast;
    PointSeries plain;
    if (engine.gridOffsets == 1) {
      MeasureBoxCounts(engine, fast);
    } else {
      MeasureBoxCountsOverGrids(engine, fast);
    }
    reference::MeasureBoxCounts(engine, plain);
    EXPECT_EQ(PointsOf(fast), PointsOf(plain)) << "grid offsets " << engine.gridOffsets;
  });
}

TEST(DifferentialTest, CumulativeIntersectionAtAnyOrigin) {
  ForEachCase(4000000, [](const FractalEngine& engine, std::mt19937& random) {
    const ScaleRange range{engine.param1, engine.param2, engine.param3};
    const SeriesPoint origin{Between(random, 0, 300), Between(random, 0, 300)};
    EXPECT_EQ(PointsOf(CumulativeIntersectionPoints(engine.outlines, range, {}, origin)),
              PointsOf(reference::CumulativeIntersectionPoints(engine.outlines, range, origin)));
  });
}

TEST(DifferentialTest, MassRadiusBothForms) {
  ForEachCase(5000000, [](const FractalEngine& engine, std::mt19937&) {
    const ScaleRange range{engine.param1, engine.param2, engine.param3};
    for (const MassRadiusForm form : {MassRadiusForm::kLong, MassRadiusForm::kShort}) {
      EXPECT_EQ(PointsOf(MassRadiusPoints(engine.outlines, form, range)),
                PointsOf(reference::MassRadiusPoints(engine.outlines, form, range)));
    }
  });
}

}  // namespace
}  // namespace kep
