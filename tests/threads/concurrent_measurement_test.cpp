// Two files measured at the same moment share nothing: every work area of region
// filling, outline tracing and the methods, and the messages libtiff gives while
// reading a file, belong to its thread. `make test-tsan` runs this test built
// with ThreadSanitizer, which reports any unguarded sharing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fractal/method_table.h"
#include "project/batch_run.h"
#include "support/libtiff_writer.h"
#include "support/shape_images.h"
#include "support/temp_dir.h"

namespace kep::test {
namespace {

constexpr int kSide = 64;

// Different particles in different files, bitmaps and TIFF files mixed, the
// compressed ones read through libtiff; the last file is damaged.
std::vector<std::string> WritePictures(const TempDir& dir) {
  const auto disc = [](int r) { return Disc(32, 30, r); };
  const auto jagged = [](int x, int y) {
    return x > 8 && x < 56 && y > 8 && y < 56 && (x / 4 + y / 3) % 3 != 0;
  };
  const auto two = [](int x, int y) {
    return (x - 18) * (x - 18) + (y - 20) * (y - 20) < 100 ||
           (x > 30 && x < 55 && y > 25 && y < 50);
  };
  const auto bmp = [&](const std::string& name, const Shape& shape) {
    return dir.Write(name, ShapeBitmap(kSide, kSide, shape));
  };
  const auto tif = [&](const std::string& name, bool littleEndian, const Shape& shape) {
    return dir.Write(name, ShapeTiff(kSide, kSide, shape, 255, 0, littleEndian));
  };
  const auto lzw = [&](const std::string& name, const Shape& shape) {
    LibtiffPage page;
    page.width = page.height = kSide;
    page.compression = COMPRESSION_LZW;
    page.rows = ShapeRows(kSide, kSide, shape);
    EXPECT_TRUE(WriteWithLibtiff(dir.File(name), {page}));
    return dir.File(name);
  };
  Bytes damaged = ReadFileBytes(lzw("damaged.tif", jagged));
  std::fill(damaged.begin() + 8, damaged.begin() + 100, std::uint8_t{0xFF});
  return {bmp("disc20.bmp", disc(20)),      tif("disc12.tif", true, disc(12)),
          bmp("jagged.bmp", jagged),        tif("two.tif", false, two),
          lzw("disc16.tif", disc(16)),      bmp("disc26.bmp", disc(26)),
          tif("jagged.tif", true, jagged),  lzw("two-lzw.tif", two),
          dir.Write("damaged.tif", damaged)};
}

struct Measured {
  bool skipped;
  double dimension;
  std::vector<SeriesPoint> points;
  bool operator==(const Measured&) const = default;
};

std::vector<Measured> MeasureAll(const std::vector<std::string>& files,
                                 const MeasureSettings& settings, unsigned threads) {
  std::vector<Measured> all;
  MeasureFiles(files, settings, threads,
               [&](std::size_t, const std::string&, const MeasureResult& m) {
                 all.push_back({SkipsReport(m), m.dimension, {m.points.begin(), m.points.end()}});
               });
  return all;
}

TEST(ConcurrentMeasurementTest, TwoThreadsGiveWhatOneGivesForEveryMethod) {
  TempDir dir;
  const std::vector<std::string> files = WritePictures(dir);
  for (std::uint32_t method = 0; method < static_cast<std::uint32_t>(kMethodCount); ++method) {
    MeasureSettings settings;
    settings.method = method;
    settings.params = DefaultParameters(method);
    settings.preprocess = PreprocessSettings();
    settings.preprocess->minParticleSize = 20;
    settings.preprocess->minHoleSize = 20;
    const std::vector<Measured> alone = MeasureAll(files, settings, 1);
    ASSERT_EQ(alone.size(), files.size());
    for (std::size_t i = 0; i + 1 < alone.size(); ++i) {
      EXPECT_FALSE(alone[i].skipped) << "method " << method;
      EXPECT_NE(alone[i].dimension, kNoDimension) << "method " << method;
    }
    EXPECT_TRUE(alone.back().skipped);
    EXPECT_EQ(MeasureAll(files, settings, 2), alone) << "method " << method;
  }
}

}  // namespace
}  // namespace kep::test
