#include "image/image_buffer.h"

#include <gtest/gtest.h>

namespace kep {
namespace {

TEST(ImageBufferTest, CreateTakesAbsoluteHeightAndPadsRowsToFourBytes) {
  ImageBuffer image;
  EXPECT_EQ(image.Create(5, -3, 1), 1);
  EXPECT_EQ(image.Width(), 5);
  EXPECT_EQ(image.Height(), 3);
  EXPECT_EQ(image.Stride(), 8);
  ASSERT_EQ(image.ByteCount(), 24u);
  for (std::size_t i = 0; i < image.ByteCount(); ++i) EXPECT_EQ(image.Data()[i], 0);
  const std::array<std::int32_t, 8> expected = {1, -7, -8, -9, -1, 7, 8, 9};
  for (int d = 0; d < 16; ++d) EXPECT_EQ(image.NeighbourOffsets()[d], expected[d % 8]);
}

TEST(ImageBufferTest, CreateKeepsOldBytesAndZeroesNewOnesWithoutClear) {
  ImageBuffer image;
  image.Create(4, 1, 1);
  image.SetPixel(1, 0, 77);
  image.Create(4, 2, 0);
  EXPECT_EQ(image.GetPixel(1, 0), 77);
  EXPECT_EQ(image.GetPixel(1, 1), 0);
  image.Create(4, 2, 1);
  EXPECT_EQ(image.GetPixel(1, 0), 0);
}

TEST(ImageBufferTest, ZeroSizeIsEmptyAndNotLoaded) {
  ImageBuffer image;
  image.Create(0, 0, 1);
  EXPECT_EQ(image.ByteCount(), 0u);
  EXPECT_FALSE(image.IsLoaded());
}

TEST(ImageBufferTest, PixelAccessOutsideTheImageReadsZeroAndWritesNothing) {
  ImageBuffer image;
  image.Create(3, 2, 1);
  std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{9});
  for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}}) {
    EXPECT_EQ(image.GetPixel(x, y), 0);
    image.SetPixel(x, y, 200);
  }
  for (std::size_t i = 0; i < image.ByteCount(); ++i) EXPECT_EQ(image.Data()[i], 9);
}

TEST(ImageBufferTest, CopyFromCopiesSizeAndPaddingBytes) {
  ImageBuffer src;
  src.Create(3, 2, 1);
  for (std::size_t i = 0; i < src.ByteCount(); ++i) src.Data()[i] = static_cast<std::uint8_t>(i);
  ImageBuffer copy;
  ASSERT_EQ(copy.CopyFrom(src), 1);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Height(), 2);
  EXPECT_TRUE(std::equal(src.Data(), src.Data() + src.ByteCount(), copy.Data()));
}

TEST(ImageBufferTest, FillBorderPaintsTheFrameAndLeavesTheCentre) {
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
}

TEST(ImageBufferTest, FillBorderWiderThanTheImageCoversItWithoutOverrun) {
  ImageBuffer image;
  image.Create(3, 2, 1);
  image.FillBorder(5, 7);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(image.GetPixel(x, y), 7);
  EXPECT_EQ(image.Data()[3], 0);  // padding untouched
}

TEST(ImageBufferTest, NeighbourMaskMarksNeighboursOfEqualValue) {
  ImageBuffer image;
  image.Create(3, 3, 1);
  EXPECT_EQ(image.NeighbourMask(1, 1), 255);
  image.SetPixel(1, 1, 9);
  EXPECT_EQ(image.NeighbourMask(1, 1), 0);
  image.SetPixel(2, 1, 9);  // east
  image.SetPixel(1, 0, 9);  // north
  image.SetPixel(0, 2, 9);  // south-west
  EXPECT_EQ(image.NeighbourMask(1, 1), (1 << 0) | (1 << 2) | (1 << 5));
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
