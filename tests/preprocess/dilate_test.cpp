#include <gtest/gtest.h>

#include "picture.h"
#include "preprocess/dilate.h"
#include "preprocess/disc_table.h"

namespace kep::test {
namespace {


TEST(Dilate, GrowsWestAndNorthThenByTheCrossThenByDiscsClippedAtTheEdge) {
  const struct {
    std::vector<std::string> src;
    std::uint8_t value;
    std::int32_t radius;
    std::vector<std::string> expected;
  } cases[] = {
      {{".....", ".....", "..#..", ".....", "....."}, 255, 0,
       {".....", "..#..", ".##..", ".....", "....."}},
      {{".....", ".....", "..#..", ".....", "....."}, 255, 1,
       {".....", "..#..", ".###.", "..#..", "....."}},
      {{".......", ".......", ".......", "...#...", ".......", ".......", "......."}, 255, 2,
       {".......", "...#...", "..###..", ".#####.", "..###..", "...#...", "......."}},
      // Half-widths 2, 2, 3, 2, 2, 0 from two rows above the pixel down: never wrapped.
      {{"......", "......", ".#....", "......", "......", "......"}, 255, 3,
       {"####..", "####..", "#####.", "####..", "####..", ".#...."}},
      // The pixel on column 0 and the block's interior paint no disc.
      {{".........", ".........", "#........", ".........", "....###..", "....###..", "....###..",
        "........."}, 255, 2,
       {".........", ".........", "#...###..", "...#####.", "..#######", "..#######", "..#######",
        "...#####."}},
      // Neighbours outside the image are not of the value.
      {{"....", "....", "....", "...#"}, 255, 0, {"....", "....", "...#", "..##"}},
      // The frame is never of the object value, also for dark particles.
      {{"####", "####", "##.#", "####"}, 0, 1, {"####", "##.#", "#...", "##.#"}},
      {{"####", "####", "##.#", "####"}, 0, 0, {"####", "##.#", "#..#", "####"}},
      {{"####", "####", "####", "####"}, 255, 1, {"....", ".###", ".###", ".###"}},
  };
  for (const auto& c : cases) {
    const ImageBuffer src = Picture(c.src);
    ImageBuffer dst;
    dst.CopyFrom(src);
    Dilate(dst, c.value, c.radius, src);
    EXPECT_EQ(Rows(dst), c.expected) << "radius " << c.radius << " of " << int{c.value};
  }
}

TEST(Dilate, NegativeRadiusOnlyPaintsTheFrame) {
  const ImageBuffer src = Picture({"....", ".#..", "....", "...."});
  ImageBuffer dst = Filled(4, 4, 7);
  Dilate(dst, 255, -1, src);
  EXPECT_EQ(Rows(dst), (std::vector<std::string>{"....", ".77.", ".77.", "...."}));
  Dilate(dst, 0, -1, src);
  EXPECT_EQ(Rows(dst), (std::vector<std::string>{"####", "#77#", "#77#", "####"}));
}

// Near the limit of 32-bit radii the square root in double is not enough alone.
TEST(DiscHalfWidths, AreExactForTheLargestRadius) {
  const std::int64_t r = 2147483647;
  const std::vector<std::int32_t> widths = DiscHalfWidths(static_cast<std::int32_t>(r), 3);
  ASSERT_EQ(widths.size(), 4u);
  for (std::int64_t dy = 0; dy <= 3; ++dy) {
    const std::int64_t w = widths[static_cast<std::size_t>(dy)];
    EXPECT_LE(w * w + dy * dy, r * r);
    EXPECT_GT((w + 1) * (w + 1) + dy * dy, r * r);
  }
  EXPECT_TRUE(DiscHalfWidths(-1, 100).empty());
}

}  // namespace
}  // namespace kep::test
