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

// Without a samples-per-pixel entry a pixel has one sample, whatever the
// bits-per-sample list (8, 8, 8) says: the rows' bytes are the pixels.
TEST_F(TiffReaderTest, WithoutSamplesPerPixelEachByteIsAPixel) {
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

// One strip of 8-bit samples, `samples` per pixel, each listed in the
// bits-per-sample entry (two or fewer are listed as one value).
Bytes ChunkyTiff(bool littleEndian, std::uint32_t width, std::uint32_t samples,
                 std::uint32_t photometric, const Bytes& rows, const Bytes& colourMap = {}) {
  ByteWriter data(littleEndian);
  for (std::uint32_t i = 0; i < samples; ++i) data.U16(8);
  const auto listBytes = static_cast<std::uint32_t>(data.Data().size());
  data.Append(colourMap).Append(rows);
  std::vector<TiffEntry> entries = {
      {256, 4, 1, width},
      {257, 4, 1, static_cast<std::uint32_t>(rows.size() / (width * samples))},
      samples <= 2 ? TiffEntry{258, 3, 1, 8} : TiffEntry{258, 3, samples, 0, true},
      {259, 3, 1, 1},
      {262, 3, 1, photometric},
      {273, 4, 1, listBytes + static_cast<std::uint32_t>(colourMap.size()), true},
      {277, 3, 1, samples}};
  if (!colourMap.empty()) entries.push_back({320, 3, 768, listBytes, true});
  return BuildTiff(littleEndian, entries, data.Data());
}

TEST_F(TiffReaderTest, RedGreenBlueWithOrWithoutAlphaAndGreyWithAlpha) {
  for (bool littleEndian : {true, false}) {
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 3, 2, rgb)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
    const Bytes rgba = {255, 0, 0, 9, 0, 255, 0, 9, 0, 0, 255, 9, 10, 20, 30, 9};
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 4, 2, rgba)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 2, 1, {10, 99, 20, 99, 30, 99, 40, 99})), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{10, 20, 30, 40}));
  }
}

// The colour map's red, green and blue halves, 256 values each; only the high
// byte of a value counts.
TEST_F(TiffReaderTest, PaletteIndicesTakeTheGreyOfTheirColourMapEntry) {
  for (bool littleEndian : {true, false}) {
    std::vector<std::uint32_t> map(768, 0x007F);
    map[0] = map[256 + 1] = map[512 + 2] = 0xFF7F;  // red, green, blue
    map[255] = 0x1234;
    map[256 + 255] = 0x5678;
    map[512 + 255] = 0x9ABC;
    ByteWriter colourMap(littleEndian);
    for (std::uint32_t value : map) colourMap.U16(value);
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 4, 1, 3, {0, 1, 2, 255}, colourMap.Data())), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, GreyFromRgb(0x12, 0x56, 0x9A)}));
  }
}

// Three strips of one row: stored bottom row first; stored in order with a gap
// before the last; and listed by their first offset only, following each other.
TEST_F(TiffReaderTest, EachStripIsReadFromItsOwnOffset) {
  const std::vector<TiffEntry> tags = {
      {256, 3, 1, 2}, {257, 3, 1, 3}, {258, 3, 1, 8}, {259, 3, 1, 1}, {278, 3, 1, 1}};
  std::vector<TiffEntry> threeOffsets = tags;
  threeOffsets.push_back({273, 4, 3, 0, true});
  const std::uint32_t data = 8 + 2 + 12 * 6 + 4;  // where the block after the directory starts
  auto withOffsets = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c, const Bytes& rows) {
    const Bytes offsets = ByteWriter().U32(data + a).U32(data + b).U32(data + c).Data();
    return BuildTiff(true, threeOffsets, ByteWriter().Append(offsets).Append(rows).Data());
  };
  ASSERT_EQ(Load(withOffsets(16, 14, 12, {5, 6, 3, 4, 1, 2})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
  ASSERT_EQ(Load(withOffsets(12, 14, 18, {1, 2, 3, 4, 9, 9, 5, 6})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
  std::vector<TiffEntry> firstOnly = tags;
  firstOnly.push_back({273, 4, 1, 0, true});
  ASSERT_EQ(Load(BuildTiff(true, firstOnly, {1, 2, 3, 4, 5, 6})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
}

TEST_F(TiffReaderTest, OtherFormsAreLeftToLibtiffUntouched) {
  const std::vector<TiffEntry> grey = {{256, 3, 1, 1}, {257, 3, 1, 1}, {258, 3, 1, 8}, {259, 3, 1, 1}, {273, 4, 1, 0, true}};
  auto with = [&](const TiffEntry& entry) {
    std::vector<TiffEntry> entries = grey;
    entries.push_back(entry);
    return BuildTiff(true, entries, {7});
  };
  Bytes large = BuildPictureTiff(true, 1, 1, 8, {7});
  large[2] = 43;
  const std::vector<std::pair<Bytes, std::string>> files = {
      {with({259, 3, 1, 5}), "compression 5"},
      {with({322, 3, 1, 16}), "tiles"},
      {with({284, 3, 1, 2}), "separate planes"},
      {with({266, 3, 1, 2}), "reversed bit order"},
      {with({258, 3, 1, 16}), "samples other than 8 bits"},
      {with({277, 3, 1, 5}), "5 samples per pixel"},
      {ChunkyTiff(true, 1, 4, 5, {1, 2, 3, 4}), "photometric interpretation 5 with 4 samples"},
      {ChunkyTiff(true, 1, 1, 3, {1}), "a palette without a colour map of 256 entries"},
      {large, "the large form of the format"},
  };
  for (const auto& [bytes, reason] : files) {
    image.Create(2, 2, 1);
    std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{99});
    TiffReader reader;
    EXPECT_EQ(reader.Load(dir.Write("other.tif", bytes), image), 0) << reason;
    EXPECT_EQ(reader.Details().refusal, reason);
    EXPECT_TRUE(reader.LeavesFileToLibtiff()) << reason;
    EXPECT_EQ(LoadedPixels(image), Pixels(4, 99)) << reason;
  }
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
