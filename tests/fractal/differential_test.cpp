// The fast forms of the radius, box and corner methods against their plain
// reference forms, point for point, on seeded random pictures: up to 128 x 128
// pixels, particles of every shape (also touching the image's edges), bright or
// dark, with a few pixels of a third grey value, and parameters up to 40. The
// corner search also on random point lists, with several tolerances at once.
// KEP_DIFFERENTIAL_CASES raises the number of cases (make test-long).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fractal/box_counting.h"
#include "fractal/corner_method.h"
#include "fractal/cumulative_intersection_method.h"
#include "fractal/dilation_method.h"
#include "fractal/distance_map_method.h"
#include "fractal/mass_radius_method.h"
#include "preprocess/corner_walk.h"
#include "preprocess/simplify_contour.h"
#include "reference/method_reference.h"
#include "reference/simplify_contour_reference.h"
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

TEST(DifferentialTest, CornerMethodBothMeasures) {
  ForEachCase(6000000, [](const FractalEngine& engine, std::mt19937& random) {
    // Tolerances from a tenth of a pixel to 40 pixels, a few or many of them.
    const std::int32_t from = Between(random, -1, 100);
    const std::int32_t to = from + Between(random, -5, 300);
    const std::int32_t step = Between(random, 0, 40);
    SCOPED_TRACE(::testing::Message() << "tenths " << from << " " << to << " " << step);
    for (const CornerMeasure measure : {CornerMeasure::kCount, CornerMeasure::kPerimeter}) {
      EXPECT_EQ(PointsOf(CornerMethodPoints(engine.outlines, measure, from, to, step)),
                PointsOf(reference::CornerMethodPoints(engine.outlines, measure, from, to, step)));
    }
  });
}

// A random point list: a walk of 8-neighbour steps that lingers, turns back and
// returns to where it began, straight runs, points crowded into a few pixels
// (many equal distances and repeated points), the same sheared and stretched
// about 2^27 times (equal distances whose cross products outgrow a double's 53
// bits), or points anywhere in the 32-bit range.
std::vector<SeriesPoint> RandomOutline(std::mt19937& random) {
  const std::int32_t n =
      Between(random, 0, 3) == 0 ? Between(random, 0, 4) : Between(random, 5, 400);
  std::vector<SeriesPoint> points;
  SeriesPoint at{Between(random, -50, 50), Between(random, -50, 50)};
  const std::uint32_t kind = random() % 5;
  // x' = a x + b y, y' = c x + d y: every cross product times ad - bc.
  const std::int32_t a = kind == 3 ? (1 << 27) + 1 : 1;
  const std::int32_t b = kind == 3 ? 12345 : 0;
  const std::int32_t c = kind == 3 ? 54321 : 0;
  const std::int32_t d = kind == 3 ? (1 << 27) + 3 : 1;
  SeriesPoint heading{1, 0};
  for (std::int32_t i = 0; i < n; ++i) {
    switch (kind) {
      case 0:
        at = i > 0 && random() % 16 == 0
                 ? points[random() % points.size()]
                 : SeriesPoint{at.x + Between(random, -1, 1), at.y + Between(random, -1, 1)};
        break;
      case 1:
        if (random() % 8 == 0) heading = {Between(random, -1, 1), Between(random, -1, 1)};
        at = {at.x + heading.x, at.y + heading.y};
        break;
      case 2:
      case 3:
        at = {Between(random, 0, 3), Between(random, 0, 3)};
        at = {a * at.x + b * at.y, c * at.x + d * at.y};
        break;
      default:
        at = {static_cast<std::int32_t>(random()), static_cast<std::int32_t>(random())};
        break;
    }
    points.push_back(at);
  }
  return points;
}

// Tolerances on and around the sixteenths of a pixel that the split tests step
// by, below one sixteenth, huge, negative or not a number.
double RandomTolerance(std::mt19937& random) {
  switch (random() % 6) {
    case 0:
      return Between(random, 0, 200) / 16.0;
    case 1:
      return std::uniform_real_distribution<double>(0.0, 12.0)(random);
    case 2:
      return std::vector<double>{0.0, 0.05, 1e9, 1e30, -3.0, std::nan("")}[random() % 6];
    default:
      return Between(random, 1, 80) * 0.1;
  }
}

TEST(DifferentialTest, CornersOfRandomPointListsForSeveralTolerances) {
  std::mt19937 random(7000000);
  for (int i = 0; i < CaseCount(); ++i) {
    const std::vector<SeriesPoint> points = RandomOutline(random);
    const auto n = static_cast<std::int32_t>(points.size());
    std::vector<double> tolerances(static_cast<std::size_t>(Between(random, 1, 6)));
    for (double& tolerance : tolerances) tolerance = RandomTolerance(random);
    std::vector<std::vector<SeriesPoint>> corners(tolerances.size());
    ForEachCorner(points.data(), n, tolerances,
                  [&](std::size_t t, const SeriesPoint& corner) { corners[t].push_back(corner); });
    for (std::size_t t = 0; t < tolerances.size(); ++t) {
      SCOPED_TRACE(::testing::Message()
                   << "case " << i << ", " << n << " points, tolerance " << tolerances[t]);
      const std::vector<SeriesPoint> plain =
          reference::SimplifyContour(points.data(), n, tolerances[t]);
      EXPECT_EQ(corners[t], plain);
      const std::int32_t count = SimplifyContour(points.data(), n, tolerances[t]);
      EXPECT_EQ(std::vector<SeriesPoint>(CornerPoints(), CornerPoints() + count), plain);
    }
    if (::testing::Test::HasFailure()) return;
  }
}

}  // namespace
}  // namespace kep
