#include <gtest/gtest.h>

#include "picture.h"
#include "preprocess/threshold.h"

namespace kep::test {
namespace {

using Row = std::vector<std::string>;

// A one-row image holding the given grey levels.
ImageBuffer Levels(const std::vector<std::uint8_t>& levels) {
  ImageBuffer image;
  image.Create(static_cast<std::int32_t>(levels.size()), 1, 1);
  for (std::size_t x = 0; x < levels.size(); ++x) {
    image.SetPixel(static_cast<std::int32_t>(x), 0, levels[x]);
  }
  return image;
}

TEST(PercentileLevel, KeepsTiesTogetherAndNeverWalksDownToLevelZero) {
  const ImageBuffer ties = Levels({200, 200, 200, 100, 100, 100, 50, 50, 50, 50});
  EXPECT_EQ(PercentileLevel(ties, 30), 200);
  EXPECT_EQ(PercentileLevel(ties, 40), 100);
  EXPECT_EQ(PercentileLevel(ties, 70), 50);
  EXPECT_EQ(PercentileLevel(Filled(10, 10, 200), 10), 200);
  // A target below one pixel gives level 0; a full one ends at level 1 when a pixel is 0.
  const ImageBuffer withZero = Levels({200, 100, 0});
  EXPECT_EQ(PercentileLevel(withZero, 0), 0);
  EXPECT_EQ(PercentileLevel(withZero, -5), 0);
  EXPECT_EQ(PercentileLevel(Filled(1, 1, 9), 50), 0);
  EXPECT_EQ(PercentileLevel(withZero, 100), 1);
  EXPECT_EQ(PercentileLevel(withZero, 250), 1);
  EXPECT_EQ(PercentileLevel(Levels({200, 100, 30}), 100), 30);
  EXPECT_EQ(PercentileLevel(Filled(5000, 5000, 7), 100), 7);  // 5000 x 5000 x 100 exceeds 32 bits
}

TEST(Threshold, RangeIsInclusiveAndBrightCutsThePercentileThenTheWindow) {
  ImageBuffer dst = Filled(8, 1, 3);
  ThresholdRange(dst, 10, 20, Levels({9, 10, 11, 20, 21, 0, 0, 0}));
  EXPECT_EQ(Rows(dst), Row{".###...."});
  const ImageBuffer src = Levels({0, 40, 40, 60, 120, 250, 255, 30});
  ThresholdBright(dst, 0, 50, 255, src);
  EXPECT_EQ(Rows(dst), Row{"...####."});
  // 100 %: the walk ends at level 1, the pixel of 0 fails; then the window.
  ThresholdBright(dst, 100, 0, 250, src);
  EXPECT_EQ(Rows(dst), Row{".#####.#"});
  // 40 % of 8 pixels is 3: levels 255, 250 and 120 pass; 40 lies below the window.
  ThresholdBright(dst, 40, 50, 255, src);
  EXPECT_EQ(Rows(dst), Row{"....###."});
}

}  // namespace
}  // namespace kep::test
