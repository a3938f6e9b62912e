// Both readers fed thousands of damaged variants of valid files: truncated at
// every kind of place and with bits flipped, mostly in the headers. The variants
// come from a fixed seed, so every run checks the same files.

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "image/image_buffer.h"
#include "image/image_size_limit.h"
#include "image/tiff_reader.h"
#include "loaded_pixels.h"
#include "support/image_file_bytes.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

constexpr int kVariantsPerFile = 1000;

Bytes Ramp(std::size_t count, std::uint8_t first) {
  Bytes bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>(first + 37 * i);
  return bytes;
}

struct Sample {
  const char* name;
  Bytes bytes;
  // Cutting a TIFF file inside its directory may drop the strip offset, which
  // then reads the pixels from offset 0; from here on a cut only loses pixels.
  std::size_t pixelsLostOnlyFrom;
};

std::vector<Sample> ValidFiles() {
  return {
      {"bmp8.bmp", BmpBuilder(7, 5).Palette(GreyPalette()).Rows(Ramp(40, 1)).Build(), 0},
      {"bmp24.bmp", BmpBuilder(5, -4).Bits(24).Rows(Ramp(64, 2)).Build(), 0},
      {"tiff8.tif", BuildPictureTiff(true, 7, 3, 8, Ramp(21, 3)), 122},
      {"tiff24.tif", BuildPictureTiff(false, 5, 3, 24, Ramp(45, 4)), 122},
  };
}

int LoadAny(const std::string& path, ImageBuffer& image) {
  if (path.ends_with(".bmp")) return image.LoadBmp(path);
  return TiffReader().Load(path, image);
}

TEST(ReaderRobustnessTest, DamagedFilesNeverLeaveStalePixelsOrBreakTheReader) {
  TempDir dir;
  std::mt19937 random(20240611);
  ImageBuffer image;  // reused across loads, as the batch run does
  // The readers' diagnostic line for a damaged TIFF header is expected here.
  testing::internal::CaptureStderr();
  for (const Sample& sample : ValidFiles()) {
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
          const std::size_t span = random() % 4 == 0 ? damaged.size() : std::min<std::size_t>(damaged.size(), 128);
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
  testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace kep::test
