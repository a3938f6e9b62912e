#include "image/image_buffer.h"

#include <gtest/gtest.h>

#include "loaded_pixels.h"

namespace kep {
namespace {

using Pixels = std::vector<std::uint8_t>;

Pixels AllBytes(const ImageBuffer& image) { return Pixels(image.Data(), image.Data() + image.ByteCount()); }

TEST(ImageBufferTest, CreateTakesAbsoluteHeightPadsRowsAndKeepsOldBytesUnlessCleared) {
  ImageBuffer image;
  EXPECT_EQ(image.Create(5, -3, 1), 1);
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Stride(), 8);
  EXPECT_EQ(AllBytes(image), Pixels(24, 0));

  image.Create(4, 1, 1);
  image.SetPixel(1, 0, 77);
  image.Create(4, 2, 0);
  EXPECT_EQ(test::LoadedPixels(image), (Pixels{0, 77, 0, 0, 0, 0, 0, 0}));
  image.Create(4, 2, 1);
  EXPECT_EQ(image.GetPixel(1, 0), 0);

  image.Create(0, 0, 1);
  EXPECT_EQ(image.ByteCount(), 0u);
  EXPECT_FALSE(image.IsLoaded());
}

TEST(ImageBufferTest, AccessOutsideReadsZeroWritesNothingAndCopiesTakePadding) {
  ImageBuffer image;
  image.Create(3, 2, 1);
  std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{9});
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
  ImageBuffer image;
  image.Create(10, 10, 1);
  std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{5});
  image.FillBorder(2, 0);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool frame = x < 2 || x > 7 || y < 2 || y > 7;
      EXPECT_EQ(image.GetPixel(x, y), frame ? 0 : 5) << x << "," << y;
    }
  }
  image.FillBorder(0, 1);
  EXPECT_EQ(image.GetPixel(0, 0), 0);

  image.Create(3, 2, 1);
  image.FillBorder(5, 7);
  EXPECT_EQ(AllBytes(image), (Pixels{7, 7, 7, 0, 7, 7, 7, 0}));  // padding untouched
}

TEST(ImageBufferTest, HistogramCountsPixelsButNotPadding) {
  ImageBuffer image;
  image.Create(3, 2, 1);
  image.SetPixel(0, 0, 200);
  image.SetPixel(2, 1, 200);
  image.Data()[3] = 200;  // padding byte of row 0
  ImageBuffer::Histogram counts;
  image.ComputeHistogram(counts);
  EXPECT_EQ(counts[200], 2u);
  EXPECT_EQ(counts[0], 4u);
}

}  // namespace
}  // namespace kep
