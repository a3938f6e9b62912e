// Loading 4096 x 4096 image files as every front end loads them, each against a
// yardstick timed in the same run: an uncompressed 8-bit bitmap and TIFF file
// against reading the file's bytes into memory, and a 16-bit LZW TIFF file
// against libtiff alone decoding its strips.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <tiffio.h>

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "shapes/fractal_shapes.h"
#include "bench_pictures.h"
#include "bench_registry.h"
#include "image/binary_file.h"
#include "image/image_file.h"

namespace kep::bench {
namespace {

constexpr std::uint32_t kSide = 4096;

// The files, written once into a directory of their own that goes with the process.
class ImageFiles {
 public:
  ImageFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kep-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    m_dir = pattern;
    const ImageBuffer& picture = PictureImage(PictureNamed("snowflake-4096"));
    if (!shapes::WriteGreyBmp(picture, Bmp()) || !WriteGreyTiff(picture, Tiff()) ||
        !WriteDeepLzwTiff(picture, DeepLzw())) {
      throw std::runtime_error("cannot write the benchmark's image files");
    }
  }
  ~ImageFiles() { std::filesystem::remove_all(m_dir); }
  ImageFiles(const ImageFiles&) = delete;
  ImageFiles& operator=(const ImageFiles&) = delete;

  std::string Bmp() const { return (m_dir / "grey8.bmp").string(); }
  std::string Tiff() const { return (m_dir / "grey8.tif").string(); }
  std::string DeepLzw() const { return (m_dir / "grey16-lzw.tif").string(); }

 private:
  // Rows as libtiff's writer lays them out by default: strips of about 8 KiB.
  static bool WriteTiff(const std::string& path, std::uint16_t bits, std::uint16_t compression,
                        const std::vector<std::uint8_t>& rows) {
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    if (tiff == nullptr) return false;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, kSide);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, kSide);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISBLACK);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    const std::size_t rowBytes = rows.size() / kSide;
    bool written = true;
    for (std::uint32_t y = 0; y < kSide && written; ++y) {
      written =
          TIFFWriteScanline(tiff, const_cast<std::uint8_t*>(rows.data() + y * rowBytes), y, 0) >= 0;
    }
    TIFFClose(tiff);
    return written;
  }

  static bool WriteGreyTiff(const ImageBuffer& picture, const std::string& path) {
    std::vector<std::uint8_t> rows;
    for (std::uint32_t y = 0; y < kSide; ++y) {
      const std::uint8_t* row = picture.PixelAddress(0, static_cast<std::int32_t>(y));
      rows.insert(rows.end(), row, row + kSide);
    }
    return WriteTiff(path, 8, COMPRESSION_NONE, rows);
  }

  // The snowflake as an instrument would record it: two levels with noise in the
  // low bits, which LZW cannot squeeze away.
  static bool WriteDeepLzwTiff(const ImageBuffer& picture, const std::string& path) {
    std::mt19937 random(4096);
    std::vector<std::uint16_t> samples;
    samples.reserve(std::size_t{kSide} * kSide);
    for (std::uint32_t y = 0; y < kSide; ++y) {
      for (std::uint32_t x = 0; x < kSide; ++x) {
        const bool particle =
            picture.GetPixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) != 0;
        samples.push_back(static_cast<std::uint16_t>((particle ? 40000 : 8000) + random() % 512));
      }
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(samples.data());
    return WriteTiff(path, 16, COMPRESSION_LZW,
                     std::vector<std::uint8_t>(bytes, bytes + 2 * samples.size()));
  }

  std::filesystem::path m_dir;
};

const ImageFiles& Files() {
  static const ImageFiles files;
  return files;
}

void LoadFile(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    ImageBuffer image;
    if (LoadImageFile(path, image) != ImageLoadResult::kLoaded) state.SkipWithError("not loaded");
    benchmark::DoNotOptimize(image.Data());
  }
}

void ReadBytes(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    BinaryFile file;
    if (!file.Open(path)) state.SkipWithError("cannot open");
    std::vector<std::uint8_t> bytes(file.Size());
    if (file.Read(bytes.data(), bytes.size()) != bytes.size()) state.SkipWithError("short read");
    benchmark::DoNotOptimize(bytes.data());
  }
}

// What any program reading the file through libtiff must at least do.
void DecodeStrips(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    TIFF* tiff = TIFFOpen(path.c_str(), "rm");
    if (tiff == nullptr) {
      state.SkipWithError("cannot open");
      break;
    }
    std::vector<std::uint8_t> strip(TIFFStripSize(tiff));
    const auto size = static_cast<tmsize_t>(strip.size());
    for (std::uint32_t s = 0; s < TIFFNumberOfStrips(tiff); ++s) {
      if (TIFFReadEncodedStrip(tiff, s, strip.data(), size) < 0)
        state.SkipWithError("decode failed");
      benchmark::DoNotOptimize(strip.data());
    }
    TIFFClose(tiff);
  }
}

}  // namespace

void RegisterImageFileBenchmarks() {
  RegisterComparison(
      {"load/bmp-8bit-4096", "read-bytes/bmp-8bit-4096", 2.0},
      [](benchmark::State& state) { LoadFile(state, Files().Bmp()); },
      [](benchmark::State& state) { ReadBytes(state, Files().Bmp()); });
  RegisterComparison(
      {"load/tiff-8bit-4096", "read-bytes/tiff-8bit-4096", 2.0},
      [](benchmark::State& state) { LoadFile(state, Files().Tiff()); },
      [](benchmark::State& state) { ReadBytes(state, Files().Tiff()); });
  RegisterComparison(
      {"load/tiff-16bit-lzw-4096", "libtiff-strips/tiff-16bit-lzw-4096", 1.5},
      [](benchmark::State& state) { LoadFile(state, Files().DeepLzw()); },
      [](benchmark::State& state) { DecodeStrips(state, Files().DeepLzw()); });
}

}  // namespace kep::bench
