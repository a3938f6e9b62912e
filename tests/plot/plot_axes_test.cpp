#include "plot/plot_axes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "plot/plot_expectations.h"

namespace kep::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr Rect kClient{0, 0, 400, 300};  // plot area 320 x 260
constexpr std::int32_t kXLabelRow = 300 - 13;
constexpr std::int32_t kYLabelColumn = 2;

// A canvas whose caller pen is green, so that restoring it can be checked.
RecordingCanvas CanvasWithGreenPen(const Rect& client = kClient) {
  RecordingCanvas canvas(client);
  canvas.SelectPen(kGreen);
  canvas.ClearCalls();
  return canvas;
}

// Blue ticks below the x axis at the columns, then the 11 left of the y axis.
std::vector<RecordedLine> Ticks(const std::vector<std::int32_t>& columns) {
  std::vector<RecordedLine> ticks;
  for (std::int32_t column : columns) ticks.push_back(Line(column, 280, column, 285, kBlue));
  for (std::int32_t k = 0; k <= 250; k += 25) {
    ticks.push_back(Line(60, 280 - k, 55, 280 - k, kBlue));
  }
  return ticks;
}

TEST(PlotAxesTest, LogLogFrameTicksLabelsAndTitle) {
  RecordingCanvas canvas = CanvasWithGreenPen();
  DrawPlotAxes(canvas, 20, 40, 100.0, 1.0, 100.0, 1.0, kLogLogScale);
  EXPECT_THAT(canvas.LinesWithPen(kBlack), ElementsAreArray(Frame(59, 20, 381, 280)));
  EXPECT_THAT(canvas.LinesWithPen(kBlue), ElementsAreArray(Ticks({60, 85, 110, 135, 160, 185, 210,
                                                                  235, 260, 285, 310, 335, 360})));
  // Truncated exponentials, repeating where the axis starts below e.
  EXPECT_THAT(TextsInRow(canvas, kXLabelRow),
              ElementsAre("1", "1", "2", "2", "4", "6", "8", "12", "17", "25", "36", "52", "74"));
  EXPECT_EQ(canvas.Texts()[0], Text(60, kXLabelRow, "1"));
  EXPECT_THAT(TextsInColumn(canvas, kYLabelColumn),
              ElementsAre("1", "1", "2", "3", "5", "9", "14", "22", "34", "53", "83"));
  EXPECT_EQ(canvas.Texts().back(), Text(150, 10, "X vs. Y (Log-Log)"));
  EXPECT_EQ(canvas.Pen(), kGreen);
}

TEST(PlotAxesTest, LinearTicksStepThroughWholeNumbers) {
  RecordingCanvas canvas = CanvasWithGreenPen();
  DrawPlotAxes(canvas, 20, 40, 1.75, -1.5, 10.0, 1.0, kLinearScale);
  EXPECT_THAT(canvas.LinesWithPen(kBlack), ElementsAreArray(Frame(59, 20, 381, 280)));
  EXPECT_THAT(canvas.LinesWithPen(kBlue),
              ElementsAreArray(Ticks({60, 95, 131, 166, 202, 237, 273, 308, 344, 380})));
  EXPECT_THAT(TextsInRow(canvas, kXLabelRow),
              ElementsAre("1   ", "2   ", "3   ", "4   ", "5   ", "6   ", "7   ", "8   ", "9   ",
                          "10  "));
  EXPECT_EQ(canvas.Texts()[2], Text(131, kXLabelRow, "3   "));
  // 80 pixels per unit; negative values carry a minus sign before the rule's text.
  EXPECT_THAT(TextsInColumn(canvas, kYLabelColumn),
              ElementsAre("-1.500", "-1.187", "-0.875", "-0.562", "-0.250", "0.062", "0.375",
                          "0.687", "1.000", "1.312", "1.625"));
  EXPECT_EQ(canvas.Texts().back(), Text(170, 10, "X vs. Y"));
  EXPECT_EQ(canvas.Pen(), kGreen);
}

// The linear step is truncate((xMax - xMin) / (0.04 * 300) + 1) on this client
// area; ranges of zero width widen by one data unit, or one log unit.
TEST(PlotAxesTest, XLabelsFollowTheStepRuleOnOddRanges) {
  const struct {
    Rect client;
    double yMax, yMin, xMax, xMin;
    std::int32_t scale;
    std::vector<std::string> labels;
  } cases[] = {
      {kClient, 1.0, 0.0, 4.0, 1.5, kLinearScale, {"1   ", "2   ", "3   ", "4   "}},  // step 1
      {kClient, 1.0, 0.0, 100.0, 0.0, kLinearScale,  // step 9
       {"0   ", "9   ", "18  ", "27  ", "36  ", "45  ", "54  ", "63  ", "72  ", "81  ", "90  ",
        "99  "}},
      {{0, 0, 100, 300}, 1.0, 0.0, 10.0, 1.0, kLinearScale, {"1   "}},  // too narrow for a step
      {{0, 0, 0, 300}, 1.0, 0.0, 10.0, 1.0, kLinearScale, {"1   "}},
      {kClient, 1.0, 0.0, 1.0, 5.0, kLinearScale, {}},  // inverted
      {kClient, 2.0, 2.0, 5.0, 5.0, kLinearScale, {"4   ", "5   ", "6   "}},
      {kClient, 1.0, 1.0, 1.0, 1.0, kLogLogScale,  // e^-1 at the axis start, e^0 in the middle
       {"0.367", "0.430", "0.502", "0.587", "0.687", "0.803", "0.939", "1", "1", "1", "1", "2",
        "2"}},
  };
  for (const auto& c : cases) {
    RecordingCanvas canvas(c.client);
    DrawPlotAxes(canvas, 20, 40, c.yMax, c.yMin, c.xMax, c.xMin, c.scale);
    EXPECT_EQ(TextsInRow(canvas, kXLabelRow), c.labels) << c.xMin << " to " << c.xMax;
  }
}

TEST(PlotAxesTest, FirstLinearTickMayLieLeftOfTheAxisAndEqualValuesSitInTheMiddle) {
  RecordingCanvas fraction(kClient);
  DrawPlotAxes(fraction, 20, 40, 1.0, 0.0, 4.0, 1.5, kLinearScale);
  EXPECT_EQ(fraction.Texts()[0], Text(60 - 64, kXLabelRow, "1   "));
  RecordingCanvas linear(kClient);
  DrawPlotAxes(linear, 20, 40, 2.0, 2.0, 5.0, 5.0, kLinearScale);
  EXPECT_EQ(linear.FindText("5   ")->at.x, 220);
  EXPECT_EQ(TextsInColumn(linear, kYLabelColumn).front(), "1.000");
  RecordingCanvas logLog(kClient);
  DrawPlotAxes(logLog, 20, 40, 1.0, 1.0, 1.0, 1.0, kLogLogScale);
  EXPECT_EQ(TextsInColumn(logLog, kYLabelColumn).front(), "0.367");
}

TEST(PlotAxesTest, TinyAreasDrawOnlyTheFrameAndNonPositiveLogRangesStayFinite) {
  RecordingCanvas tiny({0, 0, 10, 10});
  DrawPlotAxes(tiny, 20, 40, 100.0, 1.0, 100.0, 1.0, kLogLogScale);
  EXPECT_EQ(tiny.LinesWithPen(kBlue).size(), 0u);
  EXPECT_EQ(tiny.LinesWithPen(kBlack).size(), 4u);
  RecordingCanvas nonPositive(kClient);
  DrawPlotAxes(nonPositive, 20, 40, 0.0, -1.0, 0.0, -5.0, kLogLogScale);
  EXPECT_EQ(nonPositive.LinesWithPen(kBlue).size(), 13u + 11u);
}
}  // namespace
}  // namespace kep::test
