#include <gtest/gtest.h>

#include <limits>

#include "image/image_buffer.h"
#include "image/image_file_details.h"
#include "image/image_size_limit.h"
#include "loaded_pixels.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using Pixels = std::vector<std::uint8_t>;

class BmpReaderTest : public ::testing::Test {
 protected:
  // Loads the bytes into `image`, which starts as a 2 x 2 image of 99s so that a
  // reader leaving old pixels behind is caught.
  int Load(const Bytes& bytes) {
    image.Create(2, 2, 1);
    std::fill(image.Data(), image.Data() + image.ByteCount(), std::uint8_t{99});
    return image.LoadBmp(dir.Write("picture.bmp", bytes), details);
  }
  void ExpectUntouched() {
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(LoadedPixels(image), Pixels(4, 99));
  }

  TempDir dir;
  ImageBuffer image;
  ImageFileDetails details;
};

// Three pixels per row take four bytes in the file; the padding bytes (0xEE)
// must be skipped, not read as the next row's pixels. Pixels take the grey of
// their palette entry: red, green, blue weigh 18, 81 and 1 hundredths, truncated.
TEST_F(BmpReaderTest, EightBitRowsLoadTopRowFirstInEitherStoredOrderThroughThePalette) {
  const Bytes bottomUp = {40, 50, 60, 0xEE, 10, 20, 30, 0xEE};
  const Bytes topDown = {10, 20, 30, 0xEE, 40, 50, 60, 0xEE};
  for (const auto& [height, rows] : {std::pair{2, bottomUp}, {-2, topDown}}) {
    ASSERT_EQ(Load(BmpBuilder(3, height).Palette(GreyPalette()).Rows(rows).Build()), 1);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Stride(), 4);
    EXPECT_EQ(LoadedPixels(image), (Pixels{10, 20, 30, 40, 50, 60})) << "height " << height;
  }
  Bytes palette = GreyPalette();
  const Bytes colours = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};  // red, green, blue
  std::copy(colours.begin(), colours.end(), palette.begin());
  ASSERT_EQ(Load(BmpBuilder(4, 1).Palette(palette).Rows({0, 1, 2, 77}).Build()), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 77}));
}

TEST_F(BmpReaderTest, TwentyFourBitRowsArePaddedToTwelveBytesForThreePixels) {
  const Bytes top = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0xEE, 0xEE, 0xEE};  // red, green, blue
  const Bytes bottom = {255, 255, 255, 0, 0, 0, 30, 20, 10, 0xEE, 0xEE, 0xEE};  // white, black
  const Bytes bottomUp = ByteWriter().Append(bottom).Append(top).Data();
  const Bytes topDown = ByteWriter().Append(top).Append(bottom).Data();
  for (const auto& [height, rows] : {std::pair{2, bottomUp}, {-2, topDown}}) {
    ASSERT_EQ(Load(BmpBuilder(3, height).Bits(24).Rows(rows).Build()), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 255, 0, 18})) << "height " << height;
  }
}

// Refusals come before anything is allocated or read, whatever the size claimed.
TEST_F(BmpReaderTest, OtherDepthsCompressionHeadersAndSizesAreRefusedUntouchedWithTheirReason) {
  auto file = [](std::uint16_t bits, std::int32_t width = 1, std::int32_t height = 1) {
    return BmpBuilder(width, height).Bits(bits).Palette(GreyPalette()).Rows(Bytes(4)).Build();
  };
  Bytes notBm = file(8);
  notBm[1] = 'A';
  const std::int32_t tallest = std::numeric_limits<std::int32_t>::min();
  const std::vector<std::pair<Bytes, std::string>> files = {
      {file(1), "1 bits per pixel are not read (8 or 24)"},
      {file(4), "4 bits per pixel are not read (8 or 24)"},
      {file(16), "16 bits per pixel are not read (8 or 24)"},
      {file(32), "32 bits per pixel are not read (8 or 24)"},
      {BmpBuilder(1, 1).Compression(1).Build(), "compressed bitmaps are not read (compression 1)"},
      {BmpBuilder(1, 1).InfoHeaderSize(12).Build(),
       "an information header of 12 bytes is not read (40 or more)"},
      {notBm, "not a BMP file"},
      {Bytes{'B', 'M', 0, 0}, "the bitmap headers are cut short"},
      {file(24, -1, 1), SizeRefusal(-1, 1)},
      {file(24, 16385, 1), SizeRefusal(16385, 1)},
      {file(24, 1, -16385), SizeRefusal(1, 16385)},
      {file(24, 1, tallest), SizeRefusal(1, 2147483648)},
  };
  for (const auto& [bytes, reason] : files) {
    EXPECT_EQ(Load(bytes), 0) << reason;
    EXPECT_EQ(details.refusal, reason);
    ExpectUntouched();
  }
  EXPECT_EQ(image.LoadBmp(dir.File("missing.bmp")), 0);
  EXPECT_EQ(image.LoadBmp(dir.Path().string()), 0);  // a directory
  ExpectUntouched();

  ASSERT_EQ(Load(file(24, 16384, -2)), 1);
  EXPECT_EQ(image.Height(), 2);
  for (const Bytes& empty : {file(24, 0, 5), file(24, 5, 0)}) {
    EXPECT_EQ(Load(empty), 1);
    EXPECT_FALSE(image.IsLoaded());
  }
}

// Tools write longer information headers than the first version's 40 bytes; the
// palette follows the header whatever its size. Read from offset 54 instead, the
// grey levels of this reversed palette would come from the header's zero tail.
TEST_F(BmpReaderTest, ThePaletteFollowsTheInformationHeaderWhateverItsSize) {
  ByteWriter reversed;
  for (std::uint32_t i = 0; i < 256; ++i) reversed.U8(255 - i).U8(255 - i).U8(255 - i).U8(0);
  for (std::uint32_t size : {40, 52, 56, 108, 124}) {
    BmpBuilder file = BmpBuilder(3, 1).InfoHeaderSize(size).Palette(reversed.Data());
    ASSERT_EQ(Load(file.Rows({0, 1, 200, 0}).Build()), 1);
    EXPECT_EQ(LoadedPixels(image), (Pixels{255, 254, 55})) << "header of " << size << " bytes";
  }
}

// Entry 0 of the palette is white, so a missing pixel that went through the
// palette would show as 255 instead of 0. The palette is always read as 1024
// bytes after the header: in the last file it holds three entries, the pixel
// data right after them also serves as entry 3, and entry 200 lies beyond the
// end of the file.
TEST_F(BmpReaderTest, PixelsAndPaletteEntriesMissingFromAShortFileAreZero) {
  Bytes palette = GreyPalette();
  palette[0] = palette[1] = palette[2] = 255;
  ASSERT_EQ(Load(BmpBuilder(3, 2).Palette(palette).Rows({7, 8, 9, 0, 5}).Build()), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{5, 0, 0, 7, 8, 9}));

  // The second row is two pixels short.
  const Bytes whole = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 11, 12, 13, 14, 15};
  ASSERT_EQ(Load(BmpBuilder(3, -2).Bits(24).Rows(whole).Build()), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{2, 5, 8, 12, 0, 0}));

  BmpBuilder farPixels = BmpBuilder(2, 2).Palette(GreyPalette()).Rows(Bytes(8, 200));
  ASSERT_EQ(Load(farPixels.PixelOffset(0xFFFFFFFF).Build()), 1);
  EXPECT_EQ(LoadedPixels(image), Pixels(4, 0));

  const Bytes threeEntries = {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
  ASSERT_EQ(Load(BmpBuilder(5, 1).Palette(threeEntries).Rows({0, 1, 2, 3, 200}).Build()), 1);
  EXPECT_EQ(LoadedPixels(image), (Pixels{45, 206, 2, 1, 0}));
}

}  // namespace
}  // namespace kep::test
