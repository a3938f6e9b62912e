#include <gtest/gtest.h>

#include <cmath>

#include "fractal/fit_log_log.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "picture_engine.h"
#include "walking_fixture.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;

// A 3 x 4 rectangle: 10 outline points.
const std::vector<std::string> kTenPoints = {".......", ".###...", ".###...",
                                             ".###...", ".###...", "......."};
// The same with one pixel more at a corner: 11 outline points.
const std::vector<std::string> kElevenPoints = {".......", ".###...", ".###...",
                                                ".###...", ".####..", "......."};

MeasureResult Measure(FractalEngine& engine, std::uint32_t method, const ImageBuffer& image,
                      std::array<std::int32_t, 3> params, std::uint32_t object = 255) {
  engine.param1 = params[0];
  engine.param2 = params[1];
  engine.param3 = params[2];
  return engine.ComputeFD(method, image, object, 255 - object, nullptr);
}

MeasureResult RunDefaults(std::uint32_t method, const ImageBuffer& image,
                          std::uint32_t object = 255) {
  FractalEngine engine;
  return Measure(engine, method, image, DefaultParameters(method), object);
}

FailureCode CodeOf(const MeasureResult& result) { return result.failure.value().code; }

TEST(ComputeFDTest, EveryRefusalSaysWhyAndKeepsWhatTheMethodFound) {
  const MeasureResult empty = RunDefaults(kBoxCountingIndex, ImageBuffer());
  EXPECT_EQ(CodeOf(empty), FailureCode::kNoImage);
  EXPECT_EQ(empty.failure->text, "the image has no pixels (0 x 0)");
  EXPECT_EQ(empty.failure->message, "Please Load an Image File!");
  EXPECT_EQ(empty.dimension, kNoDimension);

  const MeasureResult none = RunDefaults(kBoxCountingIndex, test::Filled(8, 8, 0));
  EXPECT_EQ(CodeOf(none), FailureCode::kNoParticles);
  EXPECT_EQ(none.failure->text, "no particle of grey value 255 in the image");

  const MeasureResult ten = RunDefaults(kBoxCountingIndex, Picture(kTenPoints));
  EXPECT_EQ(CodeOf(ten), FailureCode::kTooFewOutlinePoints);
  EXPECT_EQ(ten.failure->text,
            "the particles' outlines have 10 points in all; a method needs at least 11");
  EXPECT_EQ(ten.particles, 1u);
  EXPECT_EQ(ten.outlinePoints, 10);
  EXPECT_TRUE(ten.failure->message.empty());

  // An unknown method is refused only after the preparation.
  const ImageBuffer eleven = Picture(kElevenPoints);
  for (const std::uint32_t method : {11u, 0xFFFFFFFFu}) {
    FractalEngine engine;
    EXPECT_EQ(CodeOf(Measure(engine, method, eleven, {1, 20, 1})), FailureCode::kBadSettings);
    EXPECT_EQ(Rows(engine.outlineImage)[4], ".####..");
  }

  // Too few points for a fit: the method's points stay. (Parameters out of range
  // are refused, for every method, in kep-cli's hostile-input test.)
  FractalEngine engine;
  const MeasureResult three = Measure(engine, kBoxCountingIndex, eleven, {8, 10, 1});
  EXPECT_EQ(CodeOf(three), FailureCode::kTooFewPoints);
  EXPECT_EQ(
      three.failure->text,
      "the method gave 3 points with x and y above 0 in the fit range; a fit needs at least 4");
  EXPECT_EQ(three.points.Count(), 3);

  // Every box size finds the one box: the count does not change with scale.
  const MeasureResult flat = RunDefaults(kBoxCountingIndex, eleven);
  EXPECT_EQ(CodeOf(flat), FailureCode::kNoScaling);
  EXPECT_EQ(flat.points.Count(), 23);
  EXPECT_EQ(flat.localDimensions, std::vector<double>(22, 0.0));
}

// A lumpy blob and a thin bar beside it.
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

TEST(ComputeFDTest, EveryMethodTurnsItsFittedSlopeIntoTheDimensionForEitherParticleValue) {
  // By method index: the dimension from the slope s as offset + sign * s, and the
  // first and last scale and the number of points that the defaults give.
  struct Rule {
    double offset, sign;
    std::int32_t first, last, count;
  };
  const std::array<Rule, kMethodCount> rules = {{{2, -1, 1, 19, 19},
                                                 {2, -1, 1, 14, 14},
                                                 {0, -1, 8, 30, 23},
                                                 {1, -1, 8, 29, 22},
                                                 {1, -1, 1, 14, 14},
                                                 {1, -1, 1, 29, 29},
                                                 {0, 1, 4, 96, 24},
                                                 {0, 1, 1, 19, 19},
                                                 {0, 1, 1, 19, 19},
                                                 {0, -1, 10, 78, 24},
                                                 {1, -1, 10, 78, 24}}};
  const ImageBuffer bright = TwoParticles();
  const ImageBuffer dark = test::Inverted(bright);
  for (std::uint32_t method = 0; method < kMethodCount; ++method) {
    SCOPED_TRACE(kMethods[method].listText);
    const Rule& rule = rules[method];
    const MeasureResult result = RunDefaults(method, bright);
    ASSERT_TRUE(result.HasDimension());
    const double slope = FitLogLog(result.points).Value().slope;
    EXPECT_EQ(result.fit->slope, slope);
    EXPECT_EQ(result.dimension, rule.offset + rule.sign * slope);
    EXPECT_EQ(result.particles, 2u);
    ASSERT_EQ(result.points.Count(), rule.count);
    EXPECT_EQ(result.points[0].x, rule.first);
    EXPECT_EQ(result.points[rule.count - 1].x, rule.last);

    const MeasureResult inverted = RunDefaults(method, dark, 0);
    EXPECT_EQ(test::PointsOf(inverted.points), test::PointsOf(result.points));
    EXPECT_EQ(inverted.dimension, result.dimension);
  }
}

}  // namespace
}  // namespace kep
