#include "image/tiff_reader.h"

#include <gtest/gtest.h>

#include "image/image_size_limit.h"
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
    return reader.Load(dir.Write("picture.tif", bytes), image);
  }

  TempDir dir;
  TiffReader reader;
  ImageBuffer image;
};

const Bytes kFiveByTwo = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// Width, height, 8 bits per sample and no compression, all SHORT values.
std::vector<TiffEntry> GreyTags(std::uint32_t width, std::uint32_t height) {
  return {{256, 3, 1, width}, {257, 3, 1, height}, {258, 3, 1, 8}, {259, 3, 1, 1}};
}

std::vector<TiffEntry> With(std::vector<TiffEntry> entries, std::initializer_list<TiffEntry> more) {
  entries.insert(entries.end(), more);
  return entries;
}

// Each row is 5 bytes in the file and 8 in the image. 24 bits as one value are
// red, green, blue triples.
TEST_F(TiffReaderTest, BothByteOrdersLoadEightAndTwentyFourBitPictures) {
  for (bool littleEndian : {true, false}) {
    ASSERT_EQ(Load(BuildPictureTiff(littleEndian, 5, 2, 8, kFiveByTwo)), 1);
    EXPECT_EQ(image.Width(), 5);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Stride(), 8);
    EXPECT_EQ(LoadedPixels(image), kFiveByTwo) << (littleEndian ? "II" : "MM");
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    ASSERT_EQ(Load(BuildPictureTiff(littleEndian, 2, 2, 24, rgb)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
  }
}

// Without a samples-per-pixel entry a pixel has one sample, whatever the
// bits-per-sample list (8, 8, 8) says: the rows' bytes are the pixels.
TEST_F(TiffReaderTest, WithoutSamplesPerPixelEachByteIsAPixel) {
  const Bytes data = ByteWriter(false).U16(8).U16(8).U16(8).Append({255, 0, 0, 0, 255, 0}).Data();
  const std::vector<TiffEntry> tags = {
      {256, 3, 1, 2}, {257, 3, 1, 1}, {258, 3, 3, 0, true}, {259, 3, 1, 1}, {273, 4, 1, 6, true}};
  ASSERT_EQ(Load(BuildTiff(false, tags, data)), 1);
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

// The colour map's red, green and blue halves hold 256 values each; only the
// high byte of a value counts.
TEST_F(TiffReaderTest, RedGreenBlueWithOrWithoutAlphaGreyWithAlphaAndPalettes) {
  for (bool littleEndian : {true, false}) {
    const Bytes rgb = {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30};
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 3, 2, rgb)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
    const Bytes rgba = {255, 0, 0, 9, 0, 255, 0, 9, 0, 0, 255, 9, 10, 20, 30, 9};
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 4, 2, rgba)), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 18}));
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 2, 2, 1, {10, 99, 20, 99, 30, 99, 40, 99})), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{10, 20, 30, 40}));

    std::vector<std::uint32_t> map(768, 0x007F);
    map[0] = map[256 + 1] = map[512 + 2] = 0xFF7F;  // red, green, blue
    map[255] = 0x1234;
    map[256 + 255] = 0x5678;
    map[512 + 255] = 0x9ABC;
    ByteWriter colourMap(littleEndian);
    for (std::uint32_t value : map) colourMap.U16(value);
    ASSERT_EQ(Load(ChunkyTiff(littleEndian, 4, 1, 3, {0, 1, 2, 255}, colourMap.Data())), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 74}));  // (0x12, 0x56, 0x9A)
  }
}

// Three strips of one row: stored bottom row first; stored in order with a gap
// before the last; and listed by their first offset only, following each other.
TEST_F(TiffReaderTest, EachStripIsReadFromItsOwnOffset) {
  const std::vector<TiffEntry> tags = With(GreyTags(2, 3), {{278, 3, 1, 1}});
  const std::uint32_t data = 8 + 2 + 12 * 6 + 4;  // where the block after the directory starts
  auto withOffsets = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c, const Bytes& rows) {
    const Bytes offsets = ByteWriter().U32(data + a).U32(data + b).U32(data + c).Data();
    const Bytes block = ByteWriter().Append(offsets).Append(rows).Data();
    return BuildTiff(true, With(tags, {{273, 4, 3, 0, true}}), block);
  };
  ASSERT_EQ(Load(withOffsets(16, 14, 12, {5, 6, 3, 4, 1, 2})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
  ASSERT_EQ(Load(withOffsets(12, 14, 18, {1, 2, 3, 4, 9, 9, 5, 6})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
  ASSERT_EQ(Load(BuildTiff(true, With(tags, {{273, 4, 1, 0, true}}), {1, 2, 3, 4, 5, 6})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6}));
}

// Only three header bytes are tested: 42 at position 2 of "II", at 3 of "MM".
TEST_F(TiffReaderTest, AFileThatIsNotTiffIsRefusedSilentlyAndNotLeftToLibtiff) {
  Bytes little = BuildPictureTiff(true, 5, 2, 8, kFiveByTwo);
  little[3] = 0x99;
  EXPECT_EQ(Load(little), 1);
  Bytes big = BuildPictureTiff(false, 5, 2, 8, kFiveByTwo);
  big[2] = 0x99;
  EXPECT_EQ(Load(big), 1);
  EXPECT_EQ(LoadedPixels(image), kFiveByTwo);

  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  EXPECT_EQ(Load(Bytes{'B', 'M', 42, 42, 0, 0, 0, 0}), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(reader.Details().refusal, "not a TIFF file");
  EXPECT_FALSE(reader.LeavesFileToLibtiff());
  EXPECT_EQ(LoadedPixels(image), Pixels(4, 99));
}

// Other forms, damaged directories and sizes beyond the limit are refused with
// the image untouched and left to libtiff, which reads them or names the damage.
TEST_F(TiffReaderTest, OtherFormsAndDamagedDirectoriesAreLeftToLibtiffUntouched) {
  auto with = [](const TiffEntry& entry) {
    return BuildTiff(true, With(GreyTags(1, 1), {{273, 4, 1, 0, true}, entry}), {7});
  };
  Bytes large = BuildPictureTiff(true, 1, 1, 8, {7});
  large[2] = 43;
  Bytes negativeOffset = BuildPictureTiff(false, 5, 2, 8, kFiveByTwo);
  negativeOffset[4] = 0x80;
  // In 32 bits, entry 1 of a directory at 0xFFFFFFFC would wrap round to offset
  // 10, where the real entries start; without wrapping it lies past the end.
  Bytes farDirectory = BuildPictureTiff(true, 5, 2, 8, kFiveByTwo);
  std::fill(farDirectory.begin() + 4, farDirectory.begin() + 8, std::uint8_t{0xFF});
  farDirectory[4] = 0xFC;
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
      {BuildTiff(true, {{256, 3, 1, 1}, {257, 3, 1, 1}, {258, 3, 1, 8}}, {0}), "compression 0"},
      {BuildTiff(true, {}, {}), "the directory has no entries"},
      {negativeOffset, "the directory offset is negative"},
      {farDirectory, "compression 0"},
      {with({258, 3, 3, 0xFFFFFFF0}), "samples other than 8 bits"},  // values past the end
      {with({256, 1, 1, 1}), SizeRefusal(65535, 1)},  // a BYTE value is not decoded
      {BuildPictureTiff(true, 16385, 1, 8, {}), SizeRefusal(16385, 1)},
      {BuildPictureTiff(true, 1, 0xFFFFFFFF, 8, {}), SizeRefusal(1, 0xFFFFFFFF)},
  };
  for (const auto& [bytes, reason] : files) {
    EXPECT_EQ(Load(bytes), 0) << reason;
    EXPECT_EQ(reader.Details().refusal, reason);
    EXPECT_TRUE(reader.LeavesFileToLibtiff()) << reason;
    EXPECT_EQ(LoadedPixels(image), Pixels(4, 99)) << reason;
  }
}

// A width entry of count 0 or of an unknown type is skipped, leaving the width 0.
TEST_F(TiffReaderTest, SizesUpToTheLimitLoadAndAZeroSizeLoadsNothing) {
  ASSERT_EQ(Load(BuildPictureTiff(true, 16384, 1, 24, {})), 1);
  EXPECT_EQ(image.Width(), 16384);
  auto withWidth = [](const TiffEntry& width) {
    return BuildTiff(true, {width, {257, 3, 1, 1}, {258, 3, 1, 8}, {259, 3, 1, 1}}, {});
  };
  for (const Bytes& empty : {BuildPictureTiff(true, 0, 7, 8, {}), withWidth({256, 3, 0, 1}),
                             withWidth({256, 9, 1, 1})}) {
    EXPECT_EQ(Load(empty), 1);
    EXPECT_FALSE(image.IsLoaded());
  }
}

// A directory may claim up to 65535 entries; every one is looked at.
TEST_F(TiffReaderTest, TheLastOfSixtyFiveThousandEntriesIsStillRead) {
  std::vector<TiffEntry> entries(65535 - 5, TiffEntry{1000, 3, 1, 0});
  for (const TiffEntry& e : With(GreyTags(5, 2), {{273, 4, 1, 0, true}})) entries.push_back(e);
  ASSERT_EQ(Load(BuildTiff(false, entries, kFiveByTwo)), 1);
  EXPECT_EQ(LoadedPixels(image), kFiveByTwo);
}

TEST_F(TiffReaderTest, PixelsWithoutCompleteDataAreZero) {
  ASSERT_EQ(Load(BuildPictureTiff(false, 5, 2, 8, {1, 2, 3, 4, 5, 6, 7})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{1, 2, 3, 4, 5, 6, 7, 0, 0, 0}));
  ASSERT_EQ(Load(BuildPictureTiff(true, 2, 1, 24, {10, 20, 30, 40, 50})), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{18, 0}));
  ASSERT_EQ(Load(BuildTiff(true, With(GreyTags(5, 2), {{273, 4, 1, 0xFFFFFFF0}}), kFiveByTwo)), 1);
  EXPECT_EQ(LoadedPixels(image), Pixels(10, 0));  // a strip offset past the end
}

}  // namespace
}  // namespace kep::test
