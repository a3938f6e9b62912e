#include "preprocess/flood_fill.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "picture.h"
#include "reference/region_reference.h"

namespace kep::test {
namespace {

using ::testing::ElementsAre;

TEST(FloodFill, SpansReachBeyondTheirParentAndStayInsideTheMargins) {
  ImageBuffer image = Picture({"#.#", "#.#", "###"});
  EXPECT_EQ(FloodFill(image, 0, 0, 7, 0, 0), 5);
  EXPECT_EQ(LastFillArea(), 7);
  EXPECT_THAT(Rows(image), ElementsAre("7.7", "7.7", "777"));

  ImageBuffer framed = Filled(5, 5, 3);
  EXPECT_EQ(FloodFill(framed, 0, 0, 7, 1, 1), 0);
  EXPECT_EQ(FloodFill(framed, 2, 2, 7, 1, 1), 3);
  EXPECT_EQ(LastFillArea(), 9);
  EXPECT_THAT(Rows(framed), ElementsAre("33333", "37773", "37773", "37773", "33333"));
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
  ImageBuffer image = Filled(1000, 1000, 0);
  // A comb of long vertical teeth joined at the top: every tooth is a deep branch.
  for (std::int32_t x = 1; x < 1000; x += 2) {
    for (std::int32_t y = 1; y < 1000; ++y) image.SetPixel(x, y, 255);
  }
  EXPECT_GT(FloodFill(image, 0, 0, 9, 0, 0), 0);
  EXPECT_EQ(LastFillArea(), 1000 + 500 * 999);
}

TEST(FloodFill8, FillsDiagonallyConnectedPixelsAndLeavesTheFourFillState) {
  ImageBuffer image = Picture({"#.....", ".#..##", "..#.#.", ".#....", "#...##"});
  ASSERT_EQ(FloodFill(image, 4, 1, 3, 0, 0), 2);
  FloodFill8(image, 0, 0, 7);
  EXPECT_THAT(Rows(image), ElementsAre("7.....", ".7..33", "..7.3.", ".7....", "7...##"));
  EXPECT_EQ(LastFillArea(), 3);
  RepaintLastFill(image, 5);
  EXPECT_THAT(Rows(image), ElementsAre("7.....", ".7..55", "..7.5.", ".7....", "7...##"));
}

// Both fills from a random seed against a pixel-by-pixel fill.
void ExpectFillsMatchThePlainFill(const ImageBuffer& image, std::mt19937& random, int round) {
  const auto x = static_cast<std::int32_t>(random() % static_cast<unsigned>(image.Width()));
  const auto y = static_cast<std::int32_t>(random() % static_cast<unsigned>(image.Height()));
  ImageBuffer expected4, expected8, actual4, actual8;
  for (ImageBuffer* copy : {&expected4, &expected8, &actual4, &actual8}) copy->CopyFrom(image);
  const std::int64_t area = reference::FillRegion(expected4, x, y, 9, 4);
  FloodFill(actual4, x, y, 9, 0, 0);
  EXPECT_EQ(LastFillArea(), area) << "round " << round;
  EXPECT_EQ(Rows(actual4), Rows(expected4)) << "round " << round;
  reference::FillRegion(expected8, x, y, 9, 8);
  FloodFill8(actual8, x, y, 9);
  EXPECT_EQ(Rows(actual8), Rows(expected8)) << "round " << round;
}

ImageBuffer RandomSize(std::mt19937& random, unsigned maxWidth) {
  ImageBuffer image;
  const auto width = static_cast<std::int32_t>(random() % maxWidth);
  image.Create(1 + width, 1 + static_cast<std::int32_t>(random() % 40), 1);
  return image;
}

// Noise of two or three grey values.
ImageBuffer Noise(std::mt19937& random) {
  ImageBuffer image = RandomSize(random, 40);
  const unsigned values = 2 + random() % 2;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) {
      image.SetPixel(x, y, static_cast<std::uint8_t>(random() % values));
    }
  }
  return image;
}

// Overlapping rectangles on wider images: long runs, which the fills skip eight
// pixels at a time.
ImageBuffer Rectangles(std::mt19937& random) {
  ImageBuffer image = RandomSize(random, 200);
  for (int k = 0; k < 12; ++k) {
    const auto x0 = static_cast<std::int32_t>(random() % static_cast<unsigned>(image.Width()));
    const auto y0 = static_cast<std::int32_t>(random() % static_cast<unsigned>(image.Height()));
    const auto right = x0 + static_cast<std::int32_t>(random() % 80);
    const auto bottom = y0 + static_cast<std::int32_t>(random() % 20);
    const std::uint8_t value = random() % 5 == 0 ? 2 : 1;
    for (std::int32_t y = y0; y <= bottom; ++y) {
      for (std::int32_t x = x0; x <= right; ++x) image.SetPixel(x, y, value);
    }
  }
  return image;
}

TEST(FloodFill, BothFillsAgreeWithAPlainFillOnRandomImages) {
  std::mt19937 random(12345);
  for (int round = 0; round < 500; ++round) {
    const ImageBuffer image = round % 2 == 0 ? Noise(random) : Rectangles(random);
    ExpectFillsMatchThePlainFill(image, random, round);
  }
}

}  // namespace
}  // namespace kep::test
