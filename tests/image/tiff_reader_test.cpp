#include "image/tiff_reader.h"

#include <gtest/gtest.h>

#include "image/grey.h"
#include "loaded_pixels.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using Pixels = std::vector<std::uint8_t>;

class TiffReaderTest : public ::testing::Test {
 protected:
  // Loads the bytes into `image`, which starts as a 2 x 2 image of 99s so that a
  // reader leaving old pixels behind is caught.
  int Load(const Bytes& bytes) {
    image.Create(2, 2, 1);
    std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{99});
    path = dir.Write("picture.tif", bytes);
    return TiffReader().Load(path, image);
  }

  TempDir dir;
  std::string path;
  ImageBuffer image;
};

const Bytes kFiveByTwo = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

TEST_F(TiffReaderTest, BothByteOrdersLoadTheSameEightBitPicture) {
  for (bool littleEndian : {true, false}) {
    ASSERT_EQ(Load(BuildPictureTiff(littleEndian, 5, 2, 8, kFiveByTwo)), 1);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Stride(), 8);
    EXPECT_EQ(LoadedPixels(image), kFiveByTwo) << (littleEndian ? "II" : "MM");
  }
}

TEST_F(TiffReaderTest, TwentyFourBitsAreRedGreenBlueTriples) {
  const Bytes rows = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
  for (bool littleEndian : {true, false}) {
    ASSERT_EQ(Load(BuildPictureTiff(littleEndian, 2, 2, 24, rows)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
  }
}

// Bits per sample (8, 8, 8) is stored out of line; its first value makes the
// reader take one byte per pixel, so the rows' colour bytes become pixels.
TEST_F(TiffReaderTest, OnlyTheFirstBitsPerSampleValueCounts) {
  const Bytes data = ByteWriter(false).U16(8).U16(8).U16(8).Append({255, 0, 0, 0, 255, 0}).Data();
  ASSERT_EQ(Load(BuildTiff(false,
                           {{256, 3, 1, 2},
                            {257, 3, 1, 1},
                            {258, 3, 3, 0, true},
                            {259, 3, 1, 1},
                            {273, 4, 1, 6, true}},
                           data)),
            1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{255, 0}));
}

TEST_F(TiffReaderTest, OnlyThreeHeaderBytesAreTested) {
  Bytes little = BuildPictureTiff(true, 5, 2, 8, kFiveByTwo);
  little[3] = 0x99;
  EXPECT_EQ(Load(little), 1);
  Bytes big = BuildPictureTiff(false, 5, 2, 8, kFiveByTwo);
  big[2] = 0x99;
  EXPECT_EQ(Load(big), 1);
  EXPECT_EQ(LoadedPixels(image), kFiveByTwo);
}

TEST_F(TiffReaderTest, AFileThatIsNotTiffIsRefusedWithItsReasonAndNothingPrinted) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  TiffReader reader;
  EXPECT_EQ(reader.Load(dir.Write("bitmap.tif", Bytes{'B', 'M', 42, 42, 0, 0, 0, 0}), image), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(reader.Details().refusal, "not a TIFF file");
  EXPECT_FALSE(reader.LeavesFileToLibtiff());
}

TEST_F(TiffReaderTest, CompressionDepthAndDirectoryProblemsAreRefused) {
  auto picture = [](std::uint32_t compressionTag, std::uint32_t compression, std::uint32_t bits) {
    return BuildTiff(true,
                     {{256, 3, 1, 1}, {257, 3, 1, 1}, {258, 3, 1, bits},
                      {static_cast<std::uint16_t>(compressionTag), 3, 1, compression},
                      {273, 4, 1, 0, true}},
                     {0, 0, 0});
  };
  EXPECT_EQ(Load(picture(259, 1, 8)), 1);
  EXPECT_EQ(Load(picture(259, 5, 8)), 0);    // LZW
  EXPECT_EQ(Load(picture(9999, 1, 8)), 0);   // no compression tag
  EXPECT_EQ(Load(picture(259, 1, 16)), 0);
  EXPECT_EQ(Load(BuildTiff(true, {}, {})), 0);  // no entries
  Bytes negativeOffset = BuildPictureTiff(false, 5, 2, 8, kFiveByTwo);
  negativeOffset[4] = 0x80;
  EXPECT_EQ(Load(negativeOffset), 0);
  // A count of 0 or an unknown type skips the entry, leaving the width 0; a
  // BYTE value is not decoded and reads as 65535, beyond the size limit.
  auto withWidth = [](const TiffEntry& width) {
    return BuildTiff(true, {width, {257, 3, 1, 1}, {258, 3, 1, 8}, {259, 3, 1, 1}}, {});
  };
  EXPECT_EQ(Load(withWidth({256, 3, 0, 1})), 1);
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_EQ(Load(withWidth({256, 9, 1, 1})), 1);
  EXPECT_FALSE(image.IsLoaded());
  EXPECT_EQ(Load(withWidth({256, 1, 1, 1})), 0);
}

TEST_F(TiffReaderTest, ClaimedSizesAreCheckedAgainstTheLimit) {
  EXPECT_EQ(Load(BuildPictureTiff(true, 16385, 1, 8, {})), 0);
  EXPECT_EQ(Load(BuildPictureTiff(true, 1, 0xFFFFFFFF, 8, {})), 0);
  ASSERT_EQ(Load(BuildPictureTiff(true, 16384, 1, 24, {})), 1);
  EXPECT_EQ(image.Width(), 16384);
  EXPECT_EQ(Load(BuildPictureTiff(true, 0, 7, 8, {})), 1);
  EXPECT_FALSE(image.IsLoaded());
}

// A directory may claim up to 65535 entries; every one is looked at.
TEST_F(TiffReaderTest, TheLastOfSixtyFiveThousandEntriesIsStillRead) {
  std::vector<TiffEntry> entries(65535 - 5, TiffEntry{1000, 3, 1, 0});
  for (const TiffEntry& e : {TiffEntry{256, 3, 1, 5}, {257, 3, 1, 2}, {258, 3, 1, 8}, {259, 3, 1, 1}, {273, 4, 1, 0, true}}) {
    entries.push_back(e);
  }
  ASSERT_EQ(Load(BuildTiff(false, entries, kFiveByTwo)), 1);
  EXPECT_EQ(LoadedPixels(image), kFiveByTwo);
}

TEST_F(TiffReaderTest, OffsetsPastTheEndOfTheFileNeitherWrapNorFail) {
  const std::vector<TiffEntry> tags = {{256, 3, 1, 5}, {257, 3, 1, 2}, {258, 3, 1, 8}, {259, 3, 1, 1}};
  std::vector<TiffEntry> farStrip = tags;
  farStrip.push_back({273, 4, 1, 0xFFFFFFF0});
  ASSERT_EQ(Load(BuildTiff(true, farStrip, kFiveByTwo)), 1);
  EXPECT_EQ(LoadedPixels(image), Pixels(10, 0));

  // In 32 bits, entry 1 of a directory at 0xFFFFFFFC would wrap round to offset
  // 10, where the real entries start; without wrapping it lies past the end.
  Bytes farDirectory = BuildPictureTiff(true, 5, 2, 8, kFiveByTwo);
  ByteWriter offset;
  offset.U32(0xFFFFFFFC);
  std::copy(offset.Data().begin(), offset.Data().end(), farDirectory.begin() + 4);
  EXPECT_EQ(Load(farDirectory), 0);

  std::vector<TiffEntry> farValues = tags;
  farValues[2] = {258, 3, 3, 0xFFFFFFF0};
  farValues.push_back({273, 4, 1, 0, true});
  EXPECT_EQ(Load(BuildTiff(true, farValues, kFiveByTwo)), 0);
}

TEST_F(TiffReaderTest, PixelsWithoutCompleteDataAreZero) {
  ASSERT_EQ(Load(BuildPictureTiff(false, 5, 2, 8, {1, 2, 3, 4, 5, 6, 7})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6, 7, 0, 0, 0}));
  ASSERT_EQ(Load(BuildPictureTiff(true, 2, 1, 24, {10, 20, 30, 40, 50})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{GreyFromRgb(10, 20, 30), 0}));
}

}  // namespace
}  // namespace kep::test
