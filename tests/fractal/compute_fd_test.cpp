#include <gtest/gtest.h>

#include <cmath>

#include "fractal/fit_log_log.h"
#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "picture_engine.h"
#include "support/fake_services.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;

// A 3 x 4 rectangle: 10 outline points.
const std::vector<std::string> kTenPoints = {".......", ".###...", ".###...", ".###...", ".###...", "......."};
// The same with one pixel more at a corner: 11 outline points.
const std::vector<std::string> kElevenPoints = {".......", ".###...", ".###...", ".###...", ".####..", "......."};

struct Calculation {
  double Run(std::uint32_t method, const ImageBuffer* image, std::int32_t p1, std::int32_t p2,
             std::int32_t p3, std::uint32_t object = 255) {
    engine.param1 = p1;
    engine.param2 = p2;
    engine.param3 = p3;
    return engine.ComputeFD(method, image, object, 255 - object, &series, nullptr);
  }
  double RunDefaults(std::uint32_t method, const ImageBuffer* image, std::uint32_t object = 255) {
    const auto& p = kMethods[method].parameters;
    return Run(method, image, p[0].value, p[1].value, p[2].value, object);
  }
  FractalEngine engine;
  PointSeries series;
};

TEST(ComputeFDTest, NoImageOrAnEmptyOneLeavesTheSeriesAlone) {
  RecordingMessageSink messages;
  ScopedMessageSink installed(messages);
  Calculation calc;
  calc.series.Append(7, 7);
  EXPECT_EQ(calc.RunDefaults(kBoxCountingIndex, nullptr), kNoDimension);
  EXPECT_TRUE(messages.messages.empty());

  const ImageBuffer empty;
  EXPECT_EQ(calc.RunDefaults(kBoxCountingIndex, &empty), kNoDimension);
  EXPECT_EQ(messages.messages, std::vector<std::string>{"Please Load an Image File!"});
  EXPECT_EQ(calc.series.Count(), 1);
}

TEST(ComputeFDTest, NeedsElevenOutlinePoints) {
  RecordingMessageSink messages;
  ScopedMessageSink installed(messages);
  Calculation calc;
  calc.series.Append(7, 7);
  const ImageBuffer background = test::Filled(8, 8, 0);
  EXPECT_EQ(calc.RunDefaults(kBoxCountingIndex, &background), kNoDimension);
  EXPECT_EQ(calc.series.Count(), 0);

  const ImageBuffer ten = Picture(kTenPoints);
  EXPECT_EQ(calc.RunDefaults(kBoxCountingIndex, &ten), kNoDimension);
  EXPECT_EQ(calc.series.Count(), 0);

  // Every box size finds the one box: 23 counts of 1, slope 0, dimension -0.0.
  const ImageBuffer eleven = Picture(kElevenPoints);
  const double fd = calc.RunDefaults(kBoxCountingIndex, &eleven);
  EXPECT_EQ(fd, 0.0);
  EXPECT_TRUE(std::signbit(fd));
  EXPECT_EQ(calc.series.Count(), 23);
  EXPECT_TRUE(messages.messages.empty());
}

TEST(ComputeFDTest, AnUnknownMethodIsRefusedAfterThePreparation) {
  const ImageBuffer square = Picture({"......", ".####.", ".####.", ".####.", ".####.", "......"});
  for (const std::uint32_t method : {11u, 0xFFFFFFFFu}) {
    Calculation calc;
    EXPECT_EQ(calc.Run(method, &square, 1, 20, 1), kNoDimension);
    EXPECT_EQ(calc.series.Count(), 0);
    ASSERT_EQ(calc.engine.outlines.size(), 1u);
    EXPECT_EQ(Rows(calc.engine.outlineImage),
              (std::vector<std::string>{"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"}));
  }
}

TEST(ComputeFDTest, ParametersOutsideOneToTenThousandAreRefusedBeforeTheMethod) {
  const ImageBuffer square = Picture(kElevenPoints);
  Calculation calc;
  for (const auto& [p1, p2, p3] : {std::array{1, 20, 0}, std::array{0, 20, 1},
                                   std::array{10001, 20, 1}, std::array{1, -3, 1}}) {
    EXPECT_EQ(calc.Run(kDilationIndex, &square, p1, p2, p3), kNoDimension);
    EXPECT_EQ(calc.series.Count(), 0);
    EXPECT_EQ(calc.engine.outlines.size(), 1u);
  }
  // At the limit the method runs: one radius, too few points for a dimension.
  EXPECT_EQ(calc.Run(kDilationIndex, &square, 1, 10000, 10000), kNoDimension);
  EXPECT_EQ(calc.series.Count(), 1);
  // The distance map does not use its third parameter.
  EXPECT_GT(calc.Run(kDistanceMapIndex, &square, 15, 1, 0), 0.0);
  EXPECT_EQ(calc.series.Count(), 14);
}

TEST(ComputeFDTest, FewerThanFourPointsGiveNoDimensionButStayInTheSeries) {
  const ImageBuffer square = Picture(kElevenPoints);
  Calculation calc;
  EXPECT_EQ(calc.Run(kBoxCountingIndex, &square, 8, 10, 1), kNoDimension);
  EXPECT_EQ(calc.series.Count(), 3);
}

TEST(ComputeFDTest, TheDimensionComesFromTheSlopeByMethod) {
  ImageBuffer blob = test::Filled(48, 48, 0);
  for (std::int32_t y = 0; y < 48; ++y) {
    for (std::int32_t x = 0; x < 48; ++x) {
      const std::int32_t dx = x - 24;
      const std::int32_t dy = y - 24;
      if (dx * dx + 2 * dy * dy <= 300 + 40 * ((x * 7 + y * 3) % 5)) blob.SetPixel(x, y, 255);
    }
  }
  const struct {
    std::uint32_t method;
    double offset;
    double sign;
  } rules[] = {{kDilationIndex, 2.0, -1.0}, {kDistanceMapIndex, 2.0, -1.0}, {kBoxCountingIndex, 0.0, -1.0}};
  for (const auto& rule : rules) {
    Calculation calc;
    const double fd = calc.RunDefaults(rule.method, &blob);
    double slope = 0.0;
    double intercept = 0.0;
    FitLogLog(calc.series, slope, intercept);
    EXPECT_NE(slope, 0.0);
    EXPECT_EQ(fd, rule.offset + rule.sign * slope) << kMethods[rule.method].listText;
  }
}

}  // namespace
}  // namespace kep
