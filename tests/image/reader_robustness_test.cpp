// Both readers fed thousands of damaged variants of valid files: truncated at
// every kind of place and with bits flipped, mostly in the headers; the TIFF
// files include compressed and tiled ones that go to libtiff. The variants come
// from a fixed seed, so every run checks the same files.

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "image/image_buffer.h"
#include "image/image_file_details.h"
#include "image/image_size_limit.h"
#include "image/tiff_file.h"
#include "loaded_pixels.h"
#include "support/image_file_bytes.h"
#include "support/libtiff_writer.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

constexpr int kVariantsPerFile = 1000;

struct Sample {
  const char* name;
  Bytes bytes;
  // Cutting an uncompressed TIFF file inside its directory may drop the strip
  // offset, which then reads the pixels from offset 0; from here on a cut only
  // loses pixels. A cut compressed file is refused instead.
  std::size_t pixelsLostOnlyFrom;
};

constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();

std::vector<Sample> ValidFiles(const TempDir& dir) {
  std::vector<Sample> files = {
      {"bmp8.bmp", BmpBuilder(7, 5).Palette(GreyPalette()).Rows(Ramp(40, 1)).Build(), 0},
      {"bmp24.bmp", BmpBuilder(5, -4).Bits(24).Rows(Ramp(64, 2)).Build(), 0},
      {"tiff8.tif", BuildPictureTiff(true, 7, 3, 8, Ramp(21, 3)), 122},
      {"tiff24.tif", BuildPictureTiff(false, 5, 3, 24, Ramp(45, 4)), 122},
  };
  // Compressed, tiled, deep and palette files as libtiff writes them.
  const std::pair<const char*, LibtiffPage> pages[] = {
      {"lzw16.tif", {.width = 9, .height = 7, .bitsPerSample = 16, .compression = COMPRESSION_LZW,
                     .rowsPerStrip = 2, .rows = Ramp(9 * 7 * 2, 5)}},
      {"tiled.tif", {.width = 20, .height = 20, .samplesPerPixel = 3,
                     .photometric = PHOTOMETRIC_RGB, .compression = COMPRESSION_ADOBE_DEFLATE,
                     .tileSide = 16, .rows = Ramp(20 * 20 * 3, 6)}},
      {"palette.tif", {.width = 9, .height = 7, .bitsPerSample = 4,
                       .photometric = PHOTOMETRIC_PALETTE, .compression = COMPRESSION_PACKBITS,
                       .rowsPerStrip = 2, .colourMap = std::vector<std::uint16_t>(3 * 16, 0x8000),
                       .rows = Ramp(5 * 7, 7)}},
  };
  for (const auto& [name, page] : pages) {
    const std::string path = dir.File(name);
    if (WriteWithLibtiff(path, {page})) files.push_back({name, ReadFileBytes(path), kNever});
  }
  return files;
}

int LoadAny(const std::string& path, ImageBuffer& image) {
  if (path.ends_with(".bmp")) return image.LoadBmp(path);
  ImageFileDetails details;
  return LoadTiffFile(path, image, details);
}

TEST(ReaderRobustnessTest, DamagedFilesNeverLeaveStalePixelsOrBreakTheReader) {
  TempDir dir;
  std::mt19937 random(20240611);
  ImageBuffer image;  // reused across loads, as the batch run does
  testing::internal::CaptureStderr();
  const std::vector<Sample> files = ValidFiles(dir);
  ASSERT_EQ(files.size(), 7u);
  for (const Sample& sample : files) {
    ImageBuffer whole;
    ASSERT_EQ(LoadAny(dir.Write(sample.name, sample.bytes), whole), 1) << sample.name;
    const Bytes wholePixels = LoadedPixels(whole);
    for (int v = 0; v < kVariantsPerFile; ++v) {
      Bytes damaged = sample.bytes;
      const bool truncate = v % 2 == 0;
      if (truncate) {
        damaged.resize(random() % damaged.size());
      } else {
        const int flips = 1 + static_cast<int>(random() % 4);
        for (int f = 0; f < flips; ++f) {
          const std::size_t span =
              random() % 4 == 0 ? damaged.size() : std::min<std::size_t>(damaged.size(), 128);
          damaged[random() % span] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        }
      }
      const int result = LoadAny(dir.Write(sample.name, damaged), image);
      ASSERT_TRUE(result == 0 || result == 1);
      if (result == 0) continue;
      ASSERT_LE(image.Width(), kMaxImageSide);
      ASSERT_LE(image.Height(), kMaxImageSide);
      ASSERT_EQ(image.ByteCount(), static_cast<std::size_t>(image.Stride()) * image.Height());
      if (!truncate || damaged.size() < sample.pixelsLostOnlyFrom) continue;
      // A truncated file can only lose pixels: each is its full value or 0.
      const Bytes pixels = LoadedPixels(image);
      ASSERT_EQ(pixels.size(), wholePixels.size()) << sample.name << " cut at " << damaged.size();
      for (std::size_t i = 0; i < pixels.size(); ++i) {
        ASSERT_TRUE(pixels[i] == wholePixels[i] || pixels[i] == 0)
            << sample.name << " cut at " << damaged.size() << ", pixel " << i;
      }
    }
  }
  // Neither reader nor libtiff writes anything itself: the caller says why.
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace kep::test
