#include "plot/histogram_plot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "plot/plot_expectations.h"

namespace kep::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr Rgb kCyan{0, 255, 255};
// W = 255, so level g stands in column 60 + g; H = 260.
constexpr Rect kClient{0, 0, 335, 300};

ImageBuffer::Histogram TwoLevels(std::uint32_t dark, std::uint32_t bright) {
  ImageBuffer::Histogram counts{};
  counts[0] = dark;
  counts[255] = bright;
  return counts;
}

// Bars and y ticks: the red lines that stand in one column.
std::vector<RecordedLine> Bars(const RecordingCanvas& canvas) {
  std::vector<RecordedLine> bars;
  for (const RecordedLine& line : canvas.LinesWithPen(kRed)) {
    if (line.from.x == line.to.x) bars.push_back(line);
  }
  return bars;
}

TEST(HistogramPlotTest, TwoLevelImage) {
  RecordingCanvas canvas(kClient);
  canvas.SelectPen(kGreen);
  DrawHistogram(canvas, TwoLevels(3000, 1000));

  const std::vector<RecordedLine> bars = Bars(canvas);
  ASSERT_EQ(bars.size(), 256u);
  for (std::int32_t g = 0; g < 256; ++g) {
    const std::int32_t top = g == 0 ? 20 : g == 255 ? 280 - 86 : 280;
    EXPECT_EQ(bars[g], Line(60 + g, 280, 60 + g, top, kRed)) << "level " << g;
  }
  EXPECT_THAT(canvas.LinesWithPen(kBlack), ElementsAreArray(Frame(59, 20, 316, 280)));

  std::vector<RecordedLine> xTicks;
  for (std::int32_t g = 0; g <= 250; g += 25) {
    xTicks.push_back(Line(60 + g, 280, 60 + g, 285, kCyan));
  }
  EXPECT_THAT(canvas.LinesWithPen(kCyan), ElementsAreArray(xTicks));
  EXPECT_THAT(TextsInRow(canvas, 287), ElementsAre("0   ", "25  ", "50  ", "75  ", "100 ", "125 ",
                                                   "150 ", "175 ", "200 ", "225 ", "250 "));
  EXPECT_EQ(canvas.Texts()[1], Text(85, 287, "25  "));

  // Counts per 25 pixels: 3000 / 260 each, truncated; max itself is never labelled.
  EXPECT_THAT(TextsInColumn(canvas, 2), ElementsAre("0   ", "288 ", "576 ", "865 ", "1153", "1442",
                                                    "1730", "2019", "2307", "2596", "2884"));
  EXPECT_EQ(canvas.LinesWithPen(kRed).size(), 256u + 11u);
  EXPECT_THAT(canvas.LinesWithPen(kRed), Contains(Line(60, 255, 55, 255, kRed)));  // a y tick
  EXPECT_EQ(canvas.Texts().back(), Text(87, 40, "Histogram Plot (Gray vs. Count)"));
  EXPECT_EQ(canvas.Pen(), kGreen);
}

TEST(HistogramPlotTest, BarHeightsDoNotOverflowOnLargeCounts) {
  RecordingCanvas canvas(kClient);
  ImageBuffer::Histogram counts{};
  counts[0] = 4'000'000'000u;
  counts[1] = 2'000'000'000u;
  DrawHistogram(canvas, counts);
  const std::vector<RecordedLine> bars = Bars(canvas);
  EXPECT_EQ(bars[0], Line(60, 280, 60, 20, kRed));
  EXPECT_EQ(bars[1], Line(61, 280, 61, 150, kRed));
  EXPECT_EQ(TextsInColumn(canvas, 2).back(), "3846153846");
}

TEST(HistogramPlotTest, AnEmptyImageDrawsNothingAndTheFrameRestoresThePenItFound) {
  RecordingCanvas canvas({10, 5, 210, 105});
  DrawHistogram(canvas, ImageBuffer::Histogram{});
  EXPECT_THAT(canvas.Calls(), IsEmpty());
  canvas.SelectPen(kRed);
  DrawHistogramFrame(canvas, 20);
  EXPECT_THAT(canvas.Lines(), ElementsAreArray(Frame(69, 25, 191, 85)));
  EXPECT_EQ(canvas.Pen(), kRed);
}

}  // namespace
}  // namespace kep::test
