// TIFF files that libtiff itself wrote, in the forms the built-in reader leaves to
// it, loaded as every front end loads them.

#include <gtest/gtest.h>

#include <limits>

#include "image/image_file.h"
#include "image/image_size_limit.h"
#include "loaded_pixels.h"
#include "support/libtiff_writer.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

using Pixels = std::vector<std::uint8_t>;

struct Case {
  const char* name;
  std::vector<LibtiffPage> pages;
  Pixels expected;
};

std::vector<Case> Cases() {
  const Bytes grey = {10, 20, 30, 40, 50, 60};
  // A 4-bit palette: red, green, and a grey whose low bytes must not count.
  std::vector<std::uint16_t> colourMap(3 * 16, 0);
  colourMap[0] = colourMap[16 + 1] = 0xFFFF;
  colourMap[2] = colourMap[16 + 2] = colourMap[32 + 2] = 0x80FF;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  return {
      {"lzw-grey", {{.width = 3, .height = 2, .compression = COMPRESSION_LZW, .rows = grey}},
       grey},
      {"deflate-white-is-zero-bottom-up",
       {{.width = 3, .height = 2, .photometric = PHOTOMETRIC_MINISWHITE,
         .compression = COMPRESSION_ADOBE_DEFLATE, .orientation = ORIENTATION_BOTLEFT,
         .rows = grey}},
       grey},
      {"deflate-rgb",
       {{.width = 2, .height = 1, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
         .compression = COMPRESSION_ADOBE_DEFLATE, .rows = {255, 0, 0, 0, 255, 0}}},
       {45, 206}},
      {"packbits-palette",
       {{.width = 3, .height = 1, .bitsPerSample = 4, .photometric = PHOTOMETRIC_PALETTE,
         .compression = COMPRESSION_PACKBITS, .colourMap = colourMap, .rows = {0x01, 0x20}}},
       {45, 206, 128}},
      {"separate-planes",
       {{.width = 2, .height = 1, .samplesPerPixel = 3, .photometric = PHOTOMETRIC_RGB,
         .separatePlanes = true, .rows = {255, 0, 0, 0, 0, 255}}},
       {45, 2}},
      {"tiled",
       {{.width = 20, .height = 18, .compression = COMPRESSION_LZW, .tileSide = 16,
         .rows = Ramp(20 * 18)}},
       Ramp(20 * 18)},
      {"two-pages",
       {{.width = 2, .height = 1, .compression = COMPRESSION_LZW, .rows = {7, 8}},
        {.width = 3, .height = 3, .rows = Bytes(9, 99)}},
       {7, 8}},
      // Cyan, black and white ink; stored bottom row first, which changes nothing.
      {"cmyk",
       {{.width = 1, .height = 3, .samplesPerPixel = 4, .photometric = PHOTOMETRIC_SEPARATED,
         .orientation = ORIENTATION_BOTLEFT,
         .rows = {255, 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0}}},
       {209, 0, 255}},
      // Deep samples are stretched between the picture's own extremes, truncated.
      {"16-bit",
       {{.width = 4, .height = 1, .bitsPerSample = 16, .compression = COMPRESSION_LZW,
         .rows = NativeSamples<std::uint16_t>({1000, 2000, 4999, 5000})}},
       {0, 63, 254, 255}},
      {"16-bit-signed",
       {{.width = 3, .height = 1, .bitsPerSample = 16, .sampleFormat = SAMPLEFORMAT_INT,
         .rows = NativeSamples<std::int16_t>({-100, 0, 100})}},
       {0, 127, 255}},
      {"16-bit-constant",
       {{.width = 2, .height = 1, .bitsPerSample = 16,
         .rows = NativeSamples<std::uint16_t>({700, 700})}},
       {0, 0}},
      {"float",
       {{.width = 5, .height = 1, .bitsPerSample = 32, .sampleFormat = SAMPLEFORMAT_IEEEFP,
         .compression = COMPRESSION_ADOBE_DEFLATE,
         .rows = NativeSamples<float>({-1.5f, 0.5f, 2.5f, nan, inf})}},
       {0, 127, 255, 0, 255}},
      // Shallow samples are scaled by 255 / (2^bits - 1).
      {"1-bit", {{.width = 8, .height = 1, .bitsPerSample = 1, .rows = {0b10110000}}},
       {255, 0, 255, 255, 0, 0, 0, 0}},
      {"4-bit",
       {{.width = 2, .height = 1, .bitsPerSample = 4, .compression = COMPRESSION_LZW,
         .rows = {0x3F}}},
       {51, 255}},
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

TEST(LibtiffReaderTest, DetailsAreTheFilesOwnAndRefusalsNameTheirReason) {
  TempDir dir;
  auto written = [&](const std::string& name, const LibtiffPage& page) {
    EXPECT_TRUE(WriteWithLibtiff(dir.File(name), {page})) << name;
    return dir.File(name);
  };
  ImageBuffer image;
  ImageFileDetails details;
  const std::string rgb16 = written(
      "rgb16.tif", {.width = 2, .height = 1, .bitsPerSample = 16, .samplesPerPixel = 3,
                    .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_LZW,
                    .rows = NativeSamples<std::uint16_t>({0, 0, 0, 65535, 65535, 65535})});
  ASSERT_EQ(LoadImageFile(rgb16, image, &details), ImageLoadResult::kLoaded);
  EXPECT_EQ(LoadedPixels(image), (Pixels{0, 255}));
  EXPECT_EQ(CompressionName(details.format, details.compression), "LZW");
  EXPECT_EQ(details.samplesPerPixel, 3u);
  EXPECT_EQ(details.bitsPerSample, (std::vector<std::uint32_t>{16, 16, 16}));
  EXPECT_EQ(details.bitsPerPixel, 48);

  auto refusal = [&](const std::string& path) {
    EXPECT_EQ(LoadImageFile(path, image, &details), ImageLoadResult::kUnreadable) << path;
    return details.refusal;
  };
  LibtiffPage wide = {.width = 16384, .height = 1, .compression = COMPRESSION_LZW,
                      .rows = Bytes(16384)};
  EXPECT_EQ(LoadImageFile(written("widest.tif", wide), image), ImageLoadResult::kLoaded);
  wide.width = 16385;
  wide.rows.push_back(0);
  EXPECT_EQ(refusal(written("too-wide.tif", wide)), SizeRefusal(16385, 1));
  const LibtiffPage twelveBits = {.width = 2, .height = 1, .bitsPerSample = 12, .rows = Bytes(3)};
  EXPECT_EQ(refusal(written("twelve-bits.tif", twelveBits)),
            "12-bit unsigned integer samples are not read");

  // The strip's compressed data overwritten after its first bytes.
  Bytes cut = ReadFileBytes(written("lzw.tif", {.width = 64, .height = 64,
                                                .compression = COMPRESSION_LZW,
                                                .rowsPerStrip = 64, .rows = Ramp(64 * 64)}));
  std::fill(cut.begin() + 20, cut.begin() + 200, std::uint8_t{0xFF});
  EXPECT_EQ(refusal(dir.Write("cut.tif", cut)).rfind("damaged TIFF file: ", 0), 0u)
      << details.refusal;

  const Bytes jpeg2000 = BuildTiff(true,
                                   {{256, 3, 1, 1}, {257, 3, 1, 1}, {258, 3, 1, 8},
                                    {259, 3, 1, 34712}, {262, 3, 1, 1}, {273, 4, 1, 0, true},
                                    {278, 3, 1, 1}, {279, 3, 1, 1}},
                                   {0});
  EXPECT_EQ(refusal(dir.Write("jpeg2000.tif", jpeg2000)),
            "compression 34712 is not supported by this build");
}

}  // namespace
}  // namespace kep::test
