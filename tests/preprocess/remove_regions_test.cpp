#include <gtest/gtest.h>

#include <array>
#include <random>

#include "picture.h"
#include "preprocess/remove_regions.h"
#include "reference/region_reference.h"

namespace kep::test {
namespace {


ImageBuffer Removed(const ImageBuffer& src, std::uint8_t regionValue, std::uint8_t fillValue,
                    std::int32_t minSize) {
  ImageBuffer dst;
  dst.Create(src.Width(), src.Height(), 1);
  RemoveRegions(dst, regionValue, fillValue, minSize, src);
  return dst;
}

TEST(RemoveRegions, RegionsOfAtMostMinSizeAreRepaintedEachJudgedByItsOwnArea) {
  const struct {
    std::vector<std::string> src;
    std::uint8_t regionValue, fillValue;
    std::int32_t minSize;
    std::vector<std::string> expected;
  } cases[] = {
      // Three pixels go, four stay.
      {{"........", ".###....", "....####", "........"}, 255, 0, 3,
       {"........", "........", "....####", "........"}},
      // Touching at a corner only: two regions of four.
      {{"##...", "##...", "..##.", "..##."}, 255, 0, 4, {".....", ".....", ".....", "....."}},
      // A hole at the edge is a region like any other.
      {{"#..####", "#######", "###.###", "#######"}, 0, 255, 2,
       {"#######", "#######", "#######", "#######"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Rows(Removed(Picture(c.src), c.regionValue, c.fillValue, c.minSize)), c.expected)
        << int{c.regionValue} << " at most " << c.minSize;
  }
}

TEST(RemoveRegions, MarkSkipsTheFillValueAndOtherValuesReturn) {
  // Region 254, fill 255: the mark is 0, and the source's own zeros come back.
  ImageBuffer src = Picture({"..#.", "....", "9..."});
  for (auto [x, y] : {std::pair{0, 0}, {3, 0}, {2, 1}, {3, 1}}) src.SetPixel(x, y, 254);
  const ImageBuffer dst = Removed(src, 254, 255, 1);
  EXPECT_EQ(Rows(dst), (std::vector<std::string>{"#.#?", "..??", "9..."}));
  EXPECT_EQ(dst.GetPixel(3, 0), 254);
}

// Random images of values that collide with the mark values (0, 1, 2, 254, 255).
TEST(RemoveRegions, AgreesWithAPlainRegionCountOnRandomImages) {
  const std::array<std::uint8_t, 5> values = {0, 1, 2, 254, 255};
  std::mt19937 random(777);
  for (int round = 0; round < 300; ++round) {
    const std::int32_t width = 1 + static_cast<std::int32_t>(random() % 30);
    const std::int32_t height = 1 + static_cast<std::int32_t>(random() % 30);
    ImageBuffer src;
    src.Create(width, height, 1);
    const unsigned spread = 2 + random() % 4;
    for (std::int32_t y = 0; y < height; ++y) {
      for (std::int32_t x = 0; x < width; ++x) src.SetPixel(x, y, values[random() % spread]);
    }
    const std::uint8_t regionValue = values[random() % values.size()];
    const std::uint8_t fillValue = values[random() % values.size()];
    const auto minSize = static_cast<std::int32_t>(random() % 8);
    ImageBuffer expected;
    reference::RemoveSmallRegions(expected, regionValue, fillValue, minSize, src);
    EXPECT_EQ(Rows(Removed(src, regionValue, fillValue, minSize)), Rows(expected))
        << "round " << round << ": " << int{regionValue} << " -> " << int{fillValue} << ", "
        << minSize;
  }
}

}  // namespace
}  // namespace kep::test
