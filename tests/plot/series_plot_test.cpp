#include "plot/series_plot.h"

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

PointSeries Series(std::initializer_list<SeriesPoint> points) {
  PointSeries series;
  for (const SeriesPoint& point : points) series.Append(point);
  return series;
}

TEST(SeriesPlotTest, SmallCrossesAtTheLogarithmsThenLogLogAxes) {
  RecordingCanvas canvas(kClient);
  canvas.SelectPen(kGreen);
  ASSERT_TRUE(DrawSeriesPlot(canvas, Series({{1, 1}, {10, 10}, {100, 1000}})));

  EXPECT_THAT(canvas.LinesWithPen(kRed),
              ElementsAreArray(Crosses(1, {{60, 280}, {220, 194}, {380, 20}})));
  EXPECT_THAT(TextsInRow(canvas, 287),
              ElementsAre("1", "1", "2", "2", "4", "6", "8", "12", "17", "25", "36", "52", "74"));
  EXPECT_THAT(TextsInColumn(canvas, 2),
              ElementsAre("1", "1", "3", "7", "14", "27", "53", "104", "203", "394", "766"));
  EXPECT_EQ(canvas.Texts().back(), Text(150, 10, "X vs. Y (Log-Log)"));
  EXPECT_EQ(canvas.Pen(), kGreen);
}

TEST(SeriesPlotTest, PointsWithoutLogarithmAreLeftOutOfPlotAndRanges) {
  RecordingCanvas clean(kClient);
  DrawSeriesPlot(clean, Series({{1, 1}, {10, 10}, {100, 1000}}));
  RecordingCanvas mixed(kClient);
  DrawSeriesPlot(mixed, Series({{0, 5}, {1, 1}, {-3, 2}, {10, 10}, {2, 0}, {100, 1000}, {5, -1}}));
  EXPECT_EQ(mixed.Calls(), clean.Calls());

  RecordingCanvas none(kClient);
  EXPECT_FALSE(DrawSeriesPlot(none, Series({{0, 5}, {-1, -1}})));
  EXPECT_FALSE(DrawSeriesPlot(none, PointSeries()));
  EXPECT_THAT(none.Calls(), IsEmpty());
}

TEST(SeriesPlotTest, AxisStartsAreLabelledWithTheSmallestValues) {
  // e^ln(e^ln 8) is 7.999999999999998, and likewise for 1317.
  RecordingCanvas canvas(kClient);
  DrawSeriesPlot(canvas, Series({{8, 1888}, {28, 1317}}));
  EXPECT_EQ(TextsInRow(canvas, 287).front(), "8");
  EXPECT_EQ(TextsInColumn(canvas, 2).front(), "1317");
}

TEST(SeriesPlotTest, EqualValuesWidenByOneLogUnitAroundThePoint) {
  RecordingCanvas canvas(kClient);
  ASSERT_TRUE(DrawSeriesPlot(canvas, Series({{1, 1}, {1, 1}})));
  EXPECT_THAT(canvas.LinesWithPen(kRed), ElementsAreArray(Crosses(1, {{220, 150}, {220, 150}})));
  EXPECT_EQ(TextsInRow(canvas, 287).front(), "0.367");
}

TEST(SeriesPlotTest, SingleImagePlotEndsWithItsTruncatedCaption) {
  RecordingCanvas canvas(kClient);
  DrawSingleImagePlot(canvas, Series({{1, 1}, {100, 1000}}), 1.2345);
  RecordingCanvas plotOnly(kClient);
  DrawSeriesPlot(plotOnly, Series({{1, 1}, {100, 1000}}));
  std::vector<RecordedCall> expected = plotOnly.Calls();
  expected.push_back(Text(150, 30, "(Fractal Dimension: 1.234)"));
  EXPECT_EQ(canvas.Calls(), expected);
}

TEST(SeriesPlotTest, WithoutTwoPlottablePointsOnlyTheNoResultTextsAreDrawn) {
  RecordingCanvas canvas(kClient);
  DrawSingleImagePlot(canvas, Series({{5, 5}}), 1.5);
  DrawSingleImagePlot(canvas, Series({{0, 0}, {-1, 4}}), 1.5);
  EXPECT_THAT(canvas.Calls(), IsEmpty());
  DrawNoSingleImageResult(canvas);
  EXPECT_THAT(canvas.Texts(), ElementsAre(Text(150, 50, "Least Square Output (Log-Log)"),
                                          Text(160, 70, "(No Result Yet!)")));
  EXPECT_THAT(canvas.Lines(), IsEmpty());
}

}  // namespace
}  // namespace kep::test
