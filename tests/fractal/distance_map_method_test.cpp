#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "fractal/distance_map_method.h"
#include "picture_engine.h"

namespace kep {
namespace {

using test::PictureEngine;
using test::Rows;

// One outline pixel in the middle of an image: radius 1 reaches its 4 straight
// neighbours, radius 2 the 8 further pixels of the 13-pixel disc, radius 3 the 16
// further ones of the 29-pixel disc.
ImageBuffer CentreDot(std::int32_t size = 9) {
  return test::Dots(size, size, {{size / 2, size / 2}});
}

// The pixels (dx, dy) with dx^2 + dy^2 <= r^2.
std::int64_t DiscArea(std::int64_t r) {
  std::int64_t area = 0;
  for (std::int64_t dy = -r; dy <= r; ++dy) {
    for (std::int64_t dx = -r; dx <= r; ++dx) area += dx * dx + dy * dy <= r * r;
  }
  return area;
}

TEST(DistanceMapMethodTest, LabelsBrightOutlinesDownwardFrom254AndDarkOnesUpwardFromOne) {
  const std::vector<SeriesPoint> points = {{1, 4}, {2, 12}, {3, 28}};
  PictureEngine bright(CentreDot());
  bright.Params(4, 1, 1).Run(DistanceMapMethod);
  EXPECT_EQ(bright.Points(), points);
  EXPECT_EQ(bright.engine.outlineImage.GetPixel(4, 4), 0);  // the outline is never reached
  EXPECT_EQ(bright.engine.outlineImage.GetPixel(5, 4), 254);
  EXPECT_EQ(bright.engine.outlineImage.GetPixel(5, 5), 253);
  EXPECT_EQ(bright.engine.outlineImage.GetPixel(7, 4), 252);
  EXPECT_EQ(bright.engine.outlineImage.GetPixel(8, 4), 0);

  PictureEngine dark(test::Inverted(CentreDot()), 0);
  dark.Params(4, 1, 1).Run(DistanceMapMethod);
  EXPECT_EQ(dark.Points(), points);
  EXPECT_EQ(
      Rows(dark.engine.outlineImage),
      (std::vector<std::string>{"#########", "####3####", "##33233##", "##32123##", "#321#123#",
                                "##32123##", "##33233##", "####3####", "#########"}));
}

TEST(DistanceMapMethodTest, PixelsCountOnceWhateverTheirWrappedLabel) {
  // Radius 255 labels its pixels 255 - 255 = 0, the background value; they must not
  // be counted again at radius 509.
  PictureEngine calc(CentreDot(1021));
  calc.Params(600, 254, 1).Run(DistanceMapMethod);
  const std::vector<SeriesPoint> expected = {
      {1, 4},
      {255, static_cast<std::int32_t>(DiscArea(255) - 1)},
      {509, static_cast<std::int32_t>(DiscArea(509) - 1)},
  };
  EXPECT_EQ(calc.Points(), expected);
  EXPECT_EQ(calc.engine.outlineImage.GetPixel(510 + 255, 510), 0);
  EXPECT_EQ(calc.engine.outlineImage.GetPixel(510 + 256, 510), DistanceLabel(255, 509));
  EXPECT_EQ(DistanceLabel(255, 509), 2);
}

TEST(DistanceMapMethodTest, NoRadiusLeavesAMapOfBackground) {
  PictureEngine calc(CentreDot());
  calc.Params(1, 1, 1).Run(DistanceMapMethod);
  EXPECT_EQ(calc.result.Count(), 0);
  EXPECT_EQ(Rows(calc.engine.outlineImage), Rows(test::Filled(9, 9, 0)));

  // A value pair other than 255/0 or 0/255 makes no point and keeps the outlines.
  PictureEngine grey(CentreDot());
  grey.engine.backgroundValue = 7;
  grey.Params(4, 1, 1).Run(DistanceMapMethod);
  EXPECT_EQ(grey.result.Count(), 0);
  EXPECT_EQ(grey.engine.outlineImage.GetPixel(4, 4), 255);
}

TEST(DistanceMapMethodTest, AnimationShadesEachRadiusAndFlushes) {
  for (const std::uint32_t object : {255u, 0u}) {
    PictureEngine calc(object == 255 ? CentreDot() : test::Inverted(CentreDot()), object);
    RecordingCanvas window(Rect{0, 0, 9, 9});
    calc.Params(3, 1, 1).Run(DistanceMapMethod, &window);

    // 255 * r div 3 for r = 1, 2: 85 and 170, reversed for bright outlines.
    const Rgb first{static_cast<std::uint8_t>(object == 255 ? 170 : 85), 0, 0};
    const Rgb second{static_cast<std::uint8_t>(object == 255 ? 85 : 170), 0, 0};
    std::vector<RecordedPixel> expected;
    for (const SeriesPoint p : {SeriesPoint{3, 4}, {4, 3}, {4, 5}, {5, 4}}) {
      expected.push_back({{p.x, p.y}, first, DrawMode::kCopy});
    }
    for (const SeriesPoint p :
         {SeriesPoint{2, 4}, {3, 3}, {3, 5}, {4, 2}, {4, 6}, {5, 3}, {5, 5}, {6, 4}}) {
      expected.push_back({{p.x, p.y}, second, DrawMode::kCopy});
    }
    EXPECT_EQ(window.CallsOf<RecordedPixel>(), expected) << "object " << object;
    EXPECT_EQ(test::CallSequence(window), "pixel x4, flush, pixel x8, flush x2");
  }
}

}  // namespace
}  // namespace kep
