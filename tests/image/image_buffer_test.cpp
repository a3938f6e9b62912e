#include "image/image_buffer.h"

#include <gtest/gtest.h>

#include "draw/recording_canvas.h"
#include "preprocess/picture.h"

namespace kep::test {
namespace {

using Pixels = std::vector<std::uint8_t>;
using Strings = std::vector<std::string>;

// Every byte of the image, row padding included.
Pixels AllBytes(const ImageBuffer& image) {
  return Pixels(image.Data(), image.Data() + image.ByteCount());
}

TEST(ImageBufferTest, CreateTakesAbsoluteHeightPadsRowsAndKeepsOldBytesUnlessCleared) {
  ImageBuffer image;
  EXPECT_EQ(image.Create(5, -3, 1), 1);
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Stride(), 8);
  EXPECT_EQ(AllBytes(image), Pixels(24, 0));
  image = Picture({".5.."});
  image.Create(4, 2, 0);
  EXPECT_EQ(Rows(image), (Strings{".5..", "...."}));
  image.Create(4, 2, 1);
  EXPECT_EQ(Rows(image), (Strings{"....", "...."}));
  image.Create(0, 0, 1);
  EXPECT_EQ(image.ByteCount(), 0u);
  EXPECT_FALSE(image.IsLoaded());
}

TEST(ImageBufferTest, AccessOutsideReadsZeroWritesNothingAndCopiesTakePadding) {
  ImageBuffer image = Filled(3, 2, 9);
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) {
    EXPECT_EQ(image.GetPixel(x, y), 0);
    image.SetPixel(x, y, 200);
  }
  image.Data()[3] = 5;  // padding of row 0
  ImageBuffer copy;
  ASSERT_EQ(copy.CopyFrom(image), 1);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(AllBytes(copy), (Pixels{9, 9, 9, 5, 9, 9, 9, 9}));
}

TEST(ImageBufferTest, FillBorderPaintsTheFrameEvenWhenWiderThanTheImage) {
  ImageBuffer image = Filled(10, 10, 5);
  image.FillBorder(2, 0);
  image.FillBorder(0, 1);
  EXPECT_EQ(Rows(image), (Strings{"..........", "..........", "..555555..", "..555555..",
                                 "..555555..", "..555555..", "..555555..", "..555555..",
                                 "..........", ".........."}));

  image.Create(3, 2, 1);
  image.FillBorder(5, 7);
  EXPECT_EQ(AllBytes(image), (Pixels{7, 7, 7, 0, 7, 7, 7, 0}));  // padding untouched
}

TEST(ImageBufferTest, HistogramCountsPixelsButNotPadding) {
  ImageBuffer image = Picture({"#..", "..#"});
  image.Data()[3] = 255;  // padding byte of row 0
  ImageBuffer::Histogram counts;
  image.ComputeHistogram(counts);
  EXPECT_EQ(counts[255], 2u);
  EXPECT_EQ(counts[0], 4u);
}

TEST(ImageDrawTest, StretchesTheSourceRectangleOverTheDestinationAndAnEmptyImageDrawsNothing) {
  ImageBuffer image;
  RecordingCanvas recording({0, 0, 300, 200});
  image.Draw(recording, {0, 0, 10, 10}, {0, 0, 1, 1});
  image.Create(0, 5, 1);
  image.Draw(recording, {0, 0, 10, 10}, {0, 0, 1, 1});
  EXPECT_TRUE(recording.Calls().empty());

  image = Picture({"012", "345"});
  image.Draw(recording, {5, 6, 305, 206}, {1, 0, 3, 2});
  const RecordedImage expected{{5, 6, 305, 206}, {1, 0, 3, 2}, 3, 2, {0, 1, 2, 3, 4, 5}};
  EXPECT_EQ(recording.Calls(), std::vector<RecordedCall>{expected});
}

}  // namespace
}  // namespace kep::test
