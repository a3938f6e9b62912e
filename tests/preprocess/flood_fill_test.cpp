#include "preprocess/flood_fill.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "picture.h"
#include "reference/region_reference.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;
using ::testing::ElementsAre;

TEST(FloodFill, FillsTheFourConnectedRegionOnly) {
  ImageBuffer image = Picture({
      "......",
      ".##...",
      ".##...",
      "...##.",
      "......",
  });
  EXPECT_EQ(FloodFill(image, 1, 1, 7, 0, 0), 2);
  EXPECT_EQ(LastFillArea(), 4);
  EXPECT_THAT(Rows(image), ElementsAre("......", ".77...", ".77...", "...##.", "......"));
}

TEST(FloodFill, SpansReachBeyondTheirParentAndComeBack) {
  ImageBuffer image = Picture({"#.#", "#.#", "###"});
  EXPECT_EQ(FloodFill(image, 0, 0, 7, 0, 0), 5);
  EXPECT_EQ(LastFillArea(), 7);
  EXPECT_THAT(Rows(image), ElementsAre("7.7", "7.7", "777"));
}

TEST(FloodFill, StaysInsideTheMargins) {
  ImageBuffer image = test::Filled(5, 5, 3);
  EXPECT_EQ(FloodFill(image, 0, 0, 7, 1, 1), 0);
  EXPECT_EQ(FloodFill(image, 2, 2, 7, 1, 1), 3);
  EXPECT_EQ(LastFillArea(), 9);
  EXPECT_THAT(Rows(image), ElementsAre("33333", "37773", "37773", "37773", "33333"));
}

TEST(FloodFill, RefusedFillPaintsNothingAndKeepsTheLastFill) {
  ImageBuffer image = Picture({"##..", "##..", "...."});
  ASSERT_EQ(FloodFill(image, 0, 0, 5, 0, 0), 2);
  EXPECT_EQ(FloodFill(image, 0, 0, 5, 0, 0), 0);    // fill value = seed value
  EXPECT_EQ(FloodFill(image, -1, 0, 9, 0, 0), 0);   // outside: seed value 0, outside the clip
  EXPECT_EQ(FloodFill(image, 3, 2, 0, 0, 0), 0);    // fill value = seed value 0
  EXPECT_EQ(FloodFill(image, 0, 0, 6, 2, 0), 0);    // clip left >= clip right
  EXPECT_EQ(LastFillArea(), 4);
  EXPECT_THAT(Rows(image), ElementsAre("55..", "55..", "...."));
  RepaintLastFill(image, 8);
  EXPECT_THAT(Rows(image), ElementsAre("88..", "88..", "...."));
}

TEST(FloodFill, LargeRegionNeedsNoRecursion) {
  ImageBuffer image = test::Filled(1000, 1000, 0);
  // A comb of long vertical teeth joined at the top: every tooth is a deep branch.
  for (std::int32_t x = 1; x < 1000; x += 2) {
    for (std::int32_t y = 1; y < 1000; ++y) image.SetPixel(x, y, 255);
  }
  EXPECT_GT(FloodFill(image, 0, 0, 9, 0, 0), 0);
  EXPECT_EQ(LastFillArea(), 1000 + 500 * 999);
}

TEST(FloodFill8, FillsDiagonallyConnectedPixelsAndLeavesTheFourFillState) {
  ImageBuffer image = Picture({
      "#.....",
      ".#..##",
      "..#.#.",
      ".#....",
      "#...##",
  });
  ASSERT_EQ(FloodFill(image, 4, 1, 3, 0, 0), 2);
  FloodFill8(image, 0, 0, 7);
  EXPECT_THAT(Rows(image), ElementsAre("7.....", ".7..33", "..7.3.", ".7....", "7...##"));
  EXPECT_EQ(LastFillArea(), 3);
  RepaintLastFill(image, 5);
  EXPECT_THAT(Rows(image), ElementsAre("7.....", ".7..55", "..7.5.", ".7....", "7...##"));
}

// Both fills against a pixel-by-pixel fill on random images of few grey values.
TEST(FloodFill, AgreesWithAPlainFillOnRandomImages) {
  std::mt19937 random(12345);
  for (int round = 0; round < 200; ++round) {
    const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 40);
    const std::int32_t height = 1 + static_cast<std::int32_t>(random() % 40);
    ImageBuffer image;
    image.Create(width, height, 1);
    const unsigned values = 2 + random() % 2;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) image.SetPixel(x, y, static_cast<std::uint8_t>(random() % values));
    }
    const std::int32_t x = static_cast<std::int32_t>(random() % width);
    const std::int32_t y = static_cast<std::int32_t>(random() % height);
    ImageBuffer expected4, expected8, actual4, actual8;
    for (ImageBuffer* copy : {&expected4, &expected8, &actual4, &actual8}) copy->CopyFrom(image);

    const std::int64_t area = reference::FillRegion(expected4, x, y, 9, 4);
    FloodFill(actual4, x, y, 9, 0, 0);
    EXPECT_EQ(LastFillArea(), area);
    EXPECT_EQ(Rows(actual4), Rows(expected4)) << "round " << round;

    reference::FillRegion(expected8, x, y, 9, 8);
    FloodFill8(actual8, x, y, 9);
    EXPECT_EQ(Rows(actual8), Rows(expected8)) << "round " << round;
  }
}

// The same on wider images of overlapping rectangles, whose long runs the fills
// skip eight pixels at a time.
TEST(FloodFill, AgreesWithAPlainFillOnImagesOfLongRuns) {
  std::mt19937 random(4242);
  for (int round = 0; round < 300; ++round) {
    const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 200);
    const std::int32_t height = 1 + static_cast<std::int32_t>(random() % 40);
    ImageBuffer image;
    image.Create(width, height, 1);
    for (int k = 0; k < 12; ++k) {
      const auto x0 = static_cast<std::int32_t>(random() % width);
      const auto y0 = static_cast<std::int32_t>(random() % height);
      const auto right = x0 + static_cast<std::int32_t>(random() % 80);
      const auto bottom = y0 + static_cast<std::int32_t>(random() % 20);
      const std::uint8_t value = random() % 5 == 0 ? 2 : 1;
      for (std::int32_t y = y0; y <= bottom; ++y) {
        for (std::int32_t x = x0; x <= right; ++x) image.SetPixel(x, y, value);
      }
    }
    const std::int32_t x = static_cast<std::int32_t>(random() % width);
    const std::int32_t y = static_cast<std::int32_t>(random() % height);
    ImageBuffer expected4, expected8, actual4, actual8;
    for (ImageBuffer* copy : {&expected4, &expected8, &actual4, &actual8}) copy->CopyFrom(image);
    reference::FillRegion(expected4, x, y, 9, 4);
    FloodFill(actual4, x, y, 9, 0, 0);
    EXPECT_EQ(Rows(actual4), Rows(expected4)) << "round " << round;
    reference::FillRegion(expected8, x, y, 9, 8);
    FloodFill8(actual8, x, y, 9);
    EXPECT_EQ(Rows(actual8), Rows(expected8)) << "round " << round;
  }
}

}  // namespace
}  // namespace kep
