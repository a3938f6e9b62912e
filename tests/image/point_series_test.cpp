#include "image/point_series.h"

#include <gtest/gtest.h>

namespace kep {
namespace {

TEST(PointSeriesTest, ResizingKeepsOldPointsZeroFillsRegainedOnesAndEmptyingKeepsTheGrowStep) {
  PointSeries series;
  for (int i = 1; i <= 5; ++i) series.Append(i, -i);
  series.SetSize(2);
  series.SetSize(4);
  EXPECT_EQ(series.Count(), 4);
  EXPECT_EQ(series[1], (SeriesPoint{2, -2}));
  EXPECT_EQ(series[2], (SeriesPoint{0, 0}));
  series.SetSize(10, 7);
  series.SetSize(0, -1);
  EXPECT_EQ(series.Count(), 0);
  EXPECT_EQ(series.begin(), series.end());
  EXPECT_EQ(series.GrowStep(), 7);
}

TEST(PointSeriesTest, ArchiveFormHasItsExactBytesAndEscapesLongCounts) {
  PointSeries series;
  series.Append(1, -2);
  series.Append(0x12345678, 3);
  const std::vector<std::uint8_t> bytes = series.Serialize();
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{2, 0, 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,
                                              0x78, 0x56, 0x34, 0x12, 3, 0, 0, 0}));
  PointSeries loaded;
  ASSERT_TRUE(loaded.Deserialize(bytes.data(), bytes.size()));
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded[1], (SeriesPoint{0x12345678, 3}));
  EXPECT_FALSE(loaded.Deserialize(bytes.data(), bytes.size() - 1));  // one byte short
  EXPECT_EQ(loaded.Count(), 2);

  PointSeries longSeries;
  longSeries.SetSize(70000);
  const std::vector<std::uint8_t> escaped = longSeries.Serialize();
  ASSERT_EQ(escaped.size(), 6u + 8u * 70000u);
  EXPECT_EQ((std::vector<std::uint8_t>(escaped.begin(), escaped.begin() + 6)),
            (std::vector<std::uint8_t>{0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}));
  ASSERT_TRUE(loaded.Deserialize(escaped.data(), escaped.size()));
  EXPECT_EQ(loaded.Count(), 70000);
}

}  // namespace
}  // namespace kep
