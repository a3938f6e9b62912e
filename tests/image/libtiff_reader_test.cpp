// TIFF files that libtiff itself wrote, in the forms the built-in reader leaves to
// it, loaded as every front end loads them.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "image/image_file.h"
#include "image/image_size_limit.h"
#include "loaded_pixels.h"
#include "support/libtiff_writer.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using Pixels = std::vector<std::uint8_t>;

LibtiffPage Page(std::uint32_t width, std::uint32_t height, const Bytes& rows) {
  LibtiffPage page;
  page.width = width;
  page.height = height;
  page.rows = rows;
  return page;
}

LibtiffPage With(LibtiffPage page, std::uint16_t compression, std::uint16_t bits = 8,
                 std::uint16_t format = SAMPLEFORMAT_UINT) {
  page.compression = compression;
  page.bitsPerSample = bits;
  page.sampleFormat = format;
  return page;
}

LibtiffPage Colour(LibtiffPage page, std::uint16_t photometric, std::uint16_t samples) {
  page.photometric = photometric;
  page.samplesPerPixel = samples;
  return page;
}

Bytes Ramp(std::size_t count) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(7 * i);
  return bytes;
}

struct Case {
  const char* name;
  std::vector<LibtiffPage> pages;
  Pixels expected;
};

std::vector<Case> Cases() {
  const Bytes grey = {10, 20, 30, 40, 50, 60};
  LibtiffPage whiteIsZero = With(Page(3, 2, grey), COMPRESSION_ADOBE_DEFLATE);
  whiteIsZero.photometric = PHOTOMETRIC_MINISWHITE;
  whiteIsZero.orientation = ORIENTATION_BOTLEFT;

  // A 4-bit palette: red, green, and a grey whose low bytes must not count.
  LibtiffPage palette =
      Colour(With(Page(3, 1, {0x01, 0x20}), COMPRESSION_PACKBITS, 4), PHOTOMETRIC_PALETTE, 1);
  palette.colourMap.assign(3 * 16, 0);
  palette.colourMap[0] = palette.colourMap[16 + 1] = 0xFFFF;
  palette.colourMap[2] = palette.colourMap[16 + 2] = palette.colourMap[32 + 2] = 0x80FF;

  LibtiffPage planes = Colour(Page(2, 1, {255, 0, 0, 0, 0, 255}), PHOTOMETRIC_RGB, 3);
  planes.separatePlanes = true;

  LibtiffPage tiled = With(Page(20, 18, Ramp(20 * 18)), COMPRESSION_LZW);
  tiled.tileSide = 16;

  // Cyan, black and white ink; stored bottom row first, which changes nothing.
  LibtiffPage cmyk =
      Colour(Page(1, 3, {255, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0}), PHOTOMETRIC_SEPARATED, 4);
  cmyk.orientation = ORIENTATION_BOTLEFT;

  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  return {
      {"lzw-grey", {With(Page(3, 2, grey), COMPRESSION_LZW)}, grey},
      {"deflate-white-is-zero", {whiteIsZero}, grey},
      {"deflate-rgb",
       {Colour(With(Page(2, 1, {255, 0, 0, 0, 255, 0}), COMPRESSION_ADOBE_DEFLATE), PHOTOMETRIC_RGB,
               3)},
       {45, 206}},
      {"packbits-palette", {palette}, {45, 206, 128}},
      {"separate-planes", {planes}, {45, 2}},
      {"tiled", {tiled}, Ramp(20 * 18)},
      {"two-pages", {With(Page(2, 1, {7, 8}), COMPRESSION_LZW), Page(3, 3, Bytes(9, 99))}, {7, 8}},
      {"cmyk", {cmyk}, {209, 0, 255}},
      // Deep samples are stretched between the picture's own extremes, truncated.
      {"16-bit",
       {With(Page(4, 1, NativeSamples<std::uint16_t>({1000, 2000, 4999, 5000})), COMPRESSION_LZW,
             16)},
       {0, 63, 254, 255}},
      {"16-bit-signed",
       {With(Page(3, 1, NativeSamples<std::int16_t>({-100, 0, 100})), COMPRESSION_NONE, 16,
             SAMPLEFORMAT_INT)},
       {0, 127, 255}},
      {"16-bit-constant",
       {With(Page(2, 1, NativeSamples<std::uint16_t>({700, 700})), COMPRESSION_NONE, 16)},
       {0, 0}},
      {"float",
       {With(Page(5, 1, NativeSamples<float>({-1.5f, 0.5f, 2.5f, nan, inf})),
             COMPRESSION_ADOBE_DEFLATE, 32, SAMPLEFORMAT_IEEEFP)},
       {0, 127, 255, 0, 255}},
      // Shallow samples are scaled by 255 / (2^bits - 1).
      {"1-bit",
       {With(Page(8, 1, {0b10110000}), COMPRESSION_NONE, 1)},
       {255, 0, 255, 255, 0, 0, 0, 0}},
      {"2-bit", {With(Page(4, 1, {0b00011011}), COMPRESSION_NONE, 2)}, {0, 85, 170, 255}},
      {"4-bit", {With(Page(2, 1, {0x3F}), COMPRESSION_LZW, 4)}, {51, 255}},
  };
}

TEST(LibtiffReaderTest, FilesTheBuiltInReaderLeavesLoadWithTheirExactGreyLevels) {
  TempDir dir;
  for (const Case& c : Cases()) {
    const std::string path = dir.File(std::string(c.name) + ".tif");
    ASSERT_TRUE(WriteWithLibtiff(path, c.pages)) << c.name;
    ImageBuffer image;
    ImageFileDetails details;
    ASSERT_EQ(LoadImageFile(path, image, &details), ImageLoadResult::kLoaded)
        << c.name << ": " << details.refusal;
    EXPECT_EQ(details.decoder, ImageDecoder::kLibtiff) << c.name;
    EXPECT_EQ(image.Width(), static_cast<std::int32_t>(c.pages[0].width)) << c.name;
    EXPECT_EQ(LoadedPixels(image), c.expected) << c.name;
  }
}

TEST(LibtiffReaderTest, DetailsAreTheFilesOwn) {
  TempDir dir;
  const std::string path = dir.File("rgb16.tif");
  const Bytes rows = NativeSamples<std::uint16_t>({0, 0, 0, 65535, 65535, 65535});
  ASSERT_TRUE(WriteWithLibtiff(
      path, {Colour(With(Page(2, 1, rows), COMPRESSION_LZW, 16), PHOTOMETRIC_RGB, 3)}));
  ImageBuffer image;
  ImageFileDetails details;
  ASSERT_EQ(LoadImageFile(path, image, &details), ImageLoadResult::kLoaded);
  EXPECT_EQ(LoadedPixels(image), (Pixels{0, 255}));
  EXPECT_EQ(details.compression, 5u);
  EXPECT_EQ(CompressionName(details.format, details.compression), "LZW");
  EXPECT_EQ(details.samplesPerPixel, 3u);
  EXPECT_EQ(details.bitsPerSample, (std::vector<std::uint32_t>{16, 16, 16}));
  EXPECT_EQ(details.bitsPerPixel, 48);
}

TEST(LibtiffReaderTest, FilesLibtiffCannotReadAreRefusedWithTheirReason) {
  TempDir dir;
  ImageBuffer image;
  ImageFileDetails details;
  auto refusal = [&](const std::string& path) {
    EXPECT_EQ(LoadImageFile(path, image, &details), ImageLoadResult::kUnreadable) << path;
    return details.refusal;
  };

  const std::string wide = dir.File("wide.tif");
  ASSERT_TRUE(WriteWithLibtiff(wide, {With(Page(16385, 1, Bytes(16385)), COMPRESSION_LZW)}));
  EXPECT_EQ(refusal(wide), SizeRefusal(16385, 1));
  const std::string widest = dir.File("widest.tif");
  ASSERT_TRUE(WriteWithLibtiff(widest, {With(Page(16384, 1, Bytes(16384, 3)), COMPRESSION_LZW)}));
  EXPECT_EQ(LoadImageFile(widest, image), ImageLoadResult::kLoaded);

  const std::string twelveBits = dir.File("twelve-bits.tif");
  ASSERT_TRUE(WriteWithLibtiff(twelveBits, {With(Page(2, 1, Bytes(3)), COMPRESSION_NONE, 12)}));
  EXPECT_EQ(refusal(twelveBits), "12-bit unsigned integer samples are not read");

  // The strip's compressed data cut off after its first bytes.
  const std::string lzw = dir.File("lzw.tif");
  LibtiffPage page = With(Page(64, 64, Ramp(64 * 64)), COMPRESSION_LZW);
  page.rowsPerStrip = 64;
  ASSERT_TRUE(WriteWithLibtiff(lzw, {page}));
  Bytes cut = ReadFileBytes(lzw);
  std::fill(cut.begin() + 20, cut.begin() + 200, std::uint8_t{0xFF});
  EXPECT_EQ(refusal(dir.Write("cut.tif", cut)).rfind("damaged TIFF file: ", 0), 0u)
      << details.refusal;

  const Bytes jpeg2000 = BuildTiff(true,
                                   {{256, 3, 1, 1},
                                    {257, 3, 1, 1},
                                    {258, 3, 1, 8},
                                    {259, 3, 1, 34712},
                                    {262, 3, 1, 1},
                                    {273, 4, 1, 0, true},
                                    {278, 3, 1, 1},
                                    {279, 3, 1, 1}},
                                   {0});
  EXPECT_EQ(refusal(dir.Write("jpeg2000.tif", jpeg2000)),
            "compression 34712 is not supported by this build");
}

}  // namespace
}  // namespace kep::test
