#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "picture.h"
#include "preprocess/dilate.h"
#include "preprocess/disc_table.h"

namespace kep {
namespace {

using test::Picture;
using test::Rows;
using ::testing::ElementsAre;

ImageBuffer Dilated(const ImageBuffer& src, std::uint8_t value, std::int32_t radius) {
  ImageBuffer dst;
  dst.CopyFrom(src);
  Dilate(dst, value, radius, src);
  return dst;
}

TEST(DiscHalfWidths, AreTheLargestWidthsInsideTheCircle) {
  EXPECT_THAT(DiscHalfWidths(3, 100), ElementsAre(3, 2, 2, 0));
  EXPECT_THAT(DiscHalfWidths(5, 100), ElementsAre(5, 4, 4, 4, 3, 0));
  EXPECT_THAT(DiscHalfWidths(0, 100), ElementsAre(0));
  EXPECT_THAT(DiscHalfWidths(10, 2), ElementsAre(10, 9, 9));
  EXPECT_TRUE(DiscHalfWidths(-1, 100).empty());
  // Near the limit of 32-bit radii the square root in double is not enough alone.
  const std::int64_t r = 2147483647;
  const std::vector<std::int32_t> widths = DiscHalfWidths(static_cast<std::int32_t>(r), 3);
  for (std::int64_t dy = 0; dy <= 3; ++dy) {
    const std::int64_t w = widths[static_cast<std::size_t>(dy)];
    EXPECT_LE(w * w + dy * dy, r * r);
    EXPECT_GT((w + 1) * (w + 1) + dy * dy, r * r);
  }
}

TEST(Dilate, SmallRadiiAroundOnePixel) {
  const ImageBuffer src = Picture({".....", ".....", "..#..", ".....", "....."});
  EXPECT_THAT(Rows(Dilated(src, 255, 0)), ElementsAre(".....", "..#..", ".##..", ".....", "....."));
  EXPECT_THAT(Rows(Dilated(src, 255, 1)), ElementsAre(".....", "..#..", ".###.", "..#..", "....."));
}

TEST(Dilate, RadiusTwoPaintsThirteenPixels) {
  const ImageBuffer src =
      Picture({".......", ".......", ".......", "...#...", ".......", ".......", "......."});
  EXPECT_THAT(Rows(Dilated(src, 255, 2)), ElementsAre(".......", "...#...", "..###..", ".#####.",
                                                      "..###..", "...#...", "......."));
}

TEST(Dilate, DiscsAreClippedAtTheEdgeNotWrapped) {
  const ImageBuffer src = Picture({"......", "......", ".#....", "......", "......", "......"});
  EXPECT_THAT(Rows(Dilated(src, 255, 3)),
              ElementsAre("####..", "####..", "#####.", "####..", "####..", ".#...."));
}

TEST(Dilate, EdgePixelsAndInteriorPixelsPaintNoDisc) {
  // The pixel on column 0 stays alone; the discs of the block reach the last row.
  const ImageBuffer src = Picture({
      ".........",
      ".........",
      "#........",
      ".........",
      "....###..",
      "....###..",
      "....###..",
      ".........",
  });
  EXPECT_THAT(Rows(Dilated(src, 255, 2)),
              ElementsAre(".........", ".........", "#...###..", "...#####.", "..#######",
                          "..#######", "..#######", "...#####."));
}

TEST(Dilate, LastRowAndColumnHaveNoNeighboursOutside) {
  const ImageBuffer src = Picture({"....", "....", "....", "...#"});
  EXPECT_THAT(Rows(Dilated(src, 255, 0)), ElementsAre("....", "....", "...#", "..##"));
  EXPECT_THAT(Rows(Dilated(src, 255, 1)), ElementsAre("....", "....", "...#", "..##"));
}

TEST(Dilate, FrameIsNeverOfTheObjectValue) {
  // Dark particles: the frame of the small radii must not become particle.
  const ImageBuffer dark = Picture({"####", "####", "##.#", "####"});
  EXPECT_THAT(Rows(Dilated(dark, 0, 1)), ElementsAre("####", "##.#", "#...", "##.#"));
  EXPECT_THAT(Rows(Dilated(dark, 0, 0)), ElementsAre("####", "##.#", "#..#", "####"));
  const ImageBuffer bright = Picture({"####", "####", "####", "####"});
  EXPECT_THAT(Rows(Dilated(bright, 255, 1)), ElementsAre("....", ".###", ".###", ".###"));
}

TEST(Dilate, NegativeRadiusOnlyPaintsTheFrame) {
  const ImageBuffer src = Picture({"....", ".#..", "....", "...."});
  ImageBuffer dst = test::Filled(4, 4, 7);
  Dilate(dst, 255, -1, src);
  EXPECT_THAT(Rows(dst), ElementsAre("....", ".77.", ".77.", "...."));
  Dilate(dst, 0, -1, src);
  EXPECT_THAT(Rows(dst), ElementsAre("####", "#77#", "#77#", "####"));
}

}  // namespace
}  // namespace kep
