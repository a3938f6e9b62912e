#include <gtest/gtest.h>

#include "draw/raster_canvas.h"
#include "draw/recording_canvas.h"
#include "image/image_buffer.h"

namespace kep {
namespace {

TEST(ImageDrawTest, StretchesTheSourceRectangleOverTheDestinationAndAnEmptyImageDrawsNothing) {
  ImageBuffer image;
  RecordingCanvas recording({0, 0, 300, 200});
  image.Draw(recording, {0, 0, 10, 10}, {0, 0, 1, 1});
  image.Create(0, 5, 1);
  image.Draw(recording, {0, 0, 10, 10}, {0, 0, 1, 1});
  EXPECT_TRUE(recording.Calls().empty());

  image.Create(3, 2, 1);
  for (std::int32_t i = 0; i < 6; ++i) image.SetPixel(i % 3, i / 3, static_cast<std::uint8_t>(10 * i));
  image.Draw(recording, {5, 6, 305, 206}, {1, 0, 3, 2});
  EXPECT_EQ(recording.Calls(), (std::vector<RecordedCall>{RecordedImage{
                                   {5, 6, 305, 206}, {1, 0, 3, 2}, 3, 2, {0, 10, 20, 30, 40, 50}}}));

  // The panes' call: the whole image over the whole client area.
  RasterCanvas raster(6, 4);
  image.Draw(raster, raster.ClientRect(), {0, 0, image.Width(), image.Height()});
  EXPECT_EQ(raster.PixelAt(0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(raster.PixelAt(5, 0), (Rgb{20, 20, 20}));
  EXPECT_EQ(raster.PixelAt(3, 3), (Rgb{40, 40, 40}));
}

}  // namespace
}  // namespace kep
