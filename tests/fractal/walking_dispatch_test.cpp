#include <gtest/gtest.h>

#include "fractal/corner_method.h"
#include "fractal/cumulative_intersection_method.h"
#include "fractal/fast_method.h"
#include "fractal/fit_log_log.h"
#include "fractal/mass_radius_method.h"
#include "fractal/method_table.h"
#include "fractal/parallel_lines_method.h"
#include "picture_engine.h"
#include "walking_fixture.h"

namespace kep {
namespace {

// A lumpy blob and a small bar beside it: two outlines of different lengths.
ImageBuffer TwoParticles() {
  ImageBuffer image = test::Filled(60, 48, 0);
  for (std::int32_t y = 0; y < 48; ++y) {
    for (std::int32_t x = 0; x < 48; ++x) {
      const std::int32_t dx = x - 24;
      const std::int32_t dy = y - 24;
      if (dx * dx + 2 * dy * dy <= 300 + 40 * ((x * 7 + y * 3) % 5)) image.SetPixel(x, y, 255);
    }
  }
  for (std::int32_t y = 10; y < 30; ++y) image.SetPixel(52, y, 255);
  return image;
}

// What the method of the index makes of the prepared outlines.
PointSeries MethodPoints(std::uint32_t index, const FractalEngine& engine) {
  const ScaleRange range{engine.param1, engine.param2, engine.param3};
  switch (index) {
    case kFastIndex: return FastPoints(engine.outlines, range);
    case kFastHybridIndex: return FastHybridPoints(engine.outlines, range);
    case kParallelLinesIndex: return ParallelLinesPoints(engine.outlines, engine.top, engine.bottom, range);
    case kCumulativeIntersectionIndex: return CumulativeIntersectionPoints(engine.outlines, range);
    case kMassRadiusLongIndex: return MassRadiusPoints(engine.outlines, MassRadiusForm::kLong, range);
    case kMassRadiusShortIndex: return MassRadiusPoints(engine.outlines, MassRadiusForm::kShort, range);
    case kCornerCountIndex:
      return CornerMethodPoints(engine.outlines, CornerMeasure::kCount, range.from, range.to, range.step);
    default:
      return CornerMethodPoints(engine.outlines, CornerMeasure::kPerimeter, range.from, range.to, range.step);
  }
}

double DimensionFromSlope(std::uint32_t index, double slope) {
  switch (index) {
    case kCornerCountIndex: return -slope;
    case kCumulativeIntersectionIndex:
    case kMassRadiusLongIndex:
    case kMassRadiusShortIndex: return slope;
    default: return 1.0 - slope;
  }
}

TEST(WalkingDispatchTest, EveryWalkingMethodAnswersThroughComputeFDForBothParticleValues) {
  const ImageBuffer bright = TwoParticles();
  const ImageBuffer dark = test::Inverted(bright);
  for (std::uint32_t index = kFastIndex; index <= kCornerPerimeterIndex; ++index) {
    const auto& defaults = kMethods[index].parameters;
    test::PictureEngine prepared(TwoParticles());
    prepared.Params(defaults[0].value, defaults[1].value, defaults[2].value);
    ASSERT_EQ(prepared.engine.outlines.size(), 2u);
    const PointSeries expected = MethodPoints(index, prepared.engine);
    ASSERT_GE(expected.Count(), 4) << kMethods[index].listText;
    double slope = 0.0;
    double intercept = 0.0;
    FitLogLog(expected, slope, intercept);

    for (const std::uint32_t object : {255u, 0u}) {
      FractalEngine engine;
      engine.param1 = defaults[0].value;
      engine.param2 = defaults[1].value;
      engine.param3 = defaults[2].value;
      PointSeries series;
      const double fd = engine.ComputeFD(index, object == 255 ? &bright : &dark, object, 255 - object,
                                         &series, nullptr);
      EXPECT_EQ(test::PointsOf(series), test::PointsOf(expected)) << kMethods[index].listText;
      EXPECT_EQ(fd, DimensionFromSlope(index, slope)) << kMethods[index].listText;
    }
  }
}

}  // namespace
}  // namespace kep
