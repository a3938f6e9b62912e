// The block-wise pixel scans against a byte-by-byte look at the same window,
// on random pictures whose widths put matches on every side of a block's edge.

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "preprocess/pixel_scan.h"

namespace kep {
namespace {

TEST(PixelScanTest, VisitsExactlyThePixelsOfTheValueInTheWindowInOrder) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    const auto width = static_cast<std::int32_t>(1 + random() % 200);
    const auto height = static_cast<std::int32_t>(1 + random() % 4);
    ImageBuffer image;
    image.Create(width, height, 1);
    // Mostly sparse, sometimes dense, so that blocks hold none, one or many.
    const std::uint32_t density = 1 + random() % 40;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) {
        image.SetPixel(x, y, random() % density == 0 ? 255 : random() % 3);
      }
    }
    const auto x0 = static_cast<std::int32_t>(random() % width);
    const auto x1 = static_cast<std::int32_t>(random() % width);
    std::vector<std::pair<std::int32_t, std::int32_t>> expected;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = x0; x <= x1; ++x) {
        if (image.GetPixel(x, y) == 255) expected.emplace_back(x, y);
      }
    }
    std::vector<std::pair<std::int32_t, std::int32_t>> visited;
    ForEachPixelOfValue(image, 255, x0, 0, x1, height - 1,
                        [&](std::int32_t x, std::int32_t y) { visited.emplace_back(x, y); });
    ASSERT_EQ(visited, expected) << "width " << width << ", columns " << x0 << ".." << x1;
  }
}

}  // namespace
}  // namespace kep
