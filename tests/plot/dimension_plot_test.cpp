#include "plot/dimension_plot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "plot/plot_expectations.h"

namespace kep::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr Rect kClient{0, 0, 400, 300};

TEST(DimensionPlotTest, FailedImageGetsNoCrossAndDoesNotWidenTheYRange) {
  RecordingCanvas canvas(kClient);
  canvas.SelectPen(kGreen);
  DrawDimensionPlot(canvas, {1.0, 2.0, 3.0}, {1.25, -1.0, 1.5});

  EXPECT_THAT(canvas.LinesWithPen(kRed), ElementsAreArray(Crosses(2, {{60, 280}, {380, 20}})));
  // y from 1.25 to 1.5 (1040 pixels per unit), x from 1 to 3 in steps of 1.
  const std::vector<std::string> yLabels = TextsInColumn(canvas, 2);
  ASSERT_EQ(yLabels.size(), 11u);
  EXPECT_EQ(yLabels.front(), "1.250");
  EXPECT_EQ(yLabels.back(), "1.490");
  EXPECT_EQ(canvas.Texts()[0], Text(60, 287, "1   "));
  EXPECT_EQ(canvas.Texts()[1], Text(220, 287, "2   "));
  EXPECT_EQ(canvas.Texts()[2], Text(380, 287, "3   "));
  EXPECT_EQ(canvas.Texts().back(), Text(170, 10, "X vs. Y"));
  EXPECT_EQ(canvas.Pen(), kGreen);
}

TEST(DimensionPlotTest, EveryImageFailedKeepsTheInvertedYRangeWithoutCrosses) {
  RecordingCanvas canvas(kClient);
  DrawDimensionPlot(canvas, {1.0, 2.0}, {-1.0, -1.0});
  EXPECT_THAT(canvas.LinesWithPen(kRed), IsEmpty());
  EXPECT_EQ(canvas.LinesWithPen(kBlack).size(), 4u);
  // yMin 1000 at the axis, falling by 1001 over the plot height.
  const std::vector<std::string> yLabels = TextsInColumn(canvas, 2);
  ASSERT_EQ(yLabels.size(), 11u);
  EXPECT_EQ(yLabels.front(), "1000.000");
  EXPECT_EQ(yLabels.back(), "37.499");
}

TEST(DimensionPlotTest, OneMeasuredImageSitsInTheMiddleOfWidenedRanges) {
  RecordingCanvas canvas(kClient);
  DrawDimensionPlot(canvas, {4.0}, {1.5});
  EXPECT_THAT(canvas.LinesWithPen(kRed), ElementsAreArray(Crosses(2, {{220, 150}})));
  EXPECT_THAT(TextsInRow(canvas, 287), ElementsAre("3   ", "4   ", "5   "));
  EXPECT_EQ(TextsInColumn(canvas, 2).front(), "0.500");
}

TEST(DimensionPlotTest, WithoutResultsDrawsItsTwoTexts) {
  const std::vector<RecordedText> expected = {Text(150, 50, "Fractal Dimension vs. Image Number"),
                                              Text(160, 70, "(No Result Yet!)")};
  for (const auto& [numbers, dimensions] :
       {std::pair<std::vector<double>, std::vector<double>>{{}, {}},
        {{1.0}, {}},
        {{1.0, 2.0}, {1.5}}}) {
    RecordingCanvas canvas(kClient);
    DrawDimensionPlot(canvas, numbers, dimensions);
    EXPECT_THAT(canvas.Texts(), ElementsAreArray(expected));
    EXPECT_THAT(canvas.Lines(), IsEmpty());
  }
}

}  // namespace
}  // namespace kep::test
