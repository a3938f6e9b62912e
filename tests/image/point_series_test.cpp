#include "image/point_series.h"

#include <gtest/gtest.h>

namespace kep {
namespace {

TEST(PointSeriesTest, GrowsByTheFixedRule) {
  PointSeries series;
  series.Append(1, 2);
  EXPECT_EQ(series.Capacity(), 1);
  series.Append(3, 4);
  EXPECT_EQ(series.Capacity(), 5);  // count / 8 is below 4
  for (int i = 0; i < 3; ++i) series.Append(i, i);
  EXPECT_EQ(series.Capacity(), 5);
  series.Append(0, 0);
  EXPECT_EQ(series.Capacity(), 9);
  EXPECT_EQ(series[1], (SeriesPoint{3, 4}));

  PointSeries hundred;
  hundred.SetSize(100);
  hundred.Append(0, 0);
  EXPECT_EQ(hundred.Capacity(), 112);
  PointSeries large;
  large.SetSize(10000);
  large.Append(0, 0);
  EXPECT_EQ(large.Capacity(), 11024);
}

TEST(PointSeriesTest, SetSizeZeroFreesStorageAndKeepsTheGrowStep) {
  PointSeries series;
  series.SetSize(10, 7);
  series.SetSize(0, -1);
  EXPECT_EQ(series.Count(), 0);
  EXPECT_EQ(series.Capacity(), 0);
  EXPECT_EQ(series.GrowStep(), 7);
}

TEST(PointSeriesTest, ShrinkingAndRegrowingZeroFillsTheRegainedElements) {
  PointSeries series;
  for (int i = 1; i <= 5; ++i) series.Append(i, i);
  series.SetSize(2);
  series.SetSize(4);
  EXPECT_EQ(series[1], (SeriesPoint{2, 2}));
  EXPECT_EQ(series[2], (SeriesPoint{0, 0}));
}

TEST(PointSeriesTest, ArchiveFormRoundTrips) {
  PointSeries series;
  series.Append(1, -2);
  series.Append(0x12345678, 3);
  const std::vector<std::uint8_t> bytes = series.Serialize();
  const std::vector<std::uint8_t> expected = {2, 0, 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF,
                                              0x78, 0x56, 0x34, 0x12, 3, 0, 0, 0};
  EXPECT_EQ(bytes, expected);
  PointSeries loaded;
  ASSERT_TRUE(loaded.Deserialize(bytes.data(), bytes.size()));
  ASSERT_EQ(loaded.Count(), 2);
  EXPECT_EQ(loaded[1], (SeriesPoint{0x12345678, 3}));
  EXPECT_FALSE(loaded.Deserialize(bytes.data(), bytes.size() - 1));
  EXPECT_EQ(loaded.Count(), 2);
}

TEST(PointSeriesTest, LongSeriesUseTheEscapedCount) {
  PointSeries series;
  series.SetSize(70000);
  const std::vector<std::uint8_t> bytes = series.Serialize();
  ASSERT_EQ(bytes.size(), 6u + 8u * 70000u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
  PointSeries loaded;
  ASSERT_TRUE(loaded.Deserialize(bytes.data(), bytes.size()));
  EXPECT_EQ(loaded.Count(), 70000);
}

}  // namespace
}  // namespace kep
