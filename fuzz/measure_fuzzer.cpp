// Measures a small fuzzed image with a fuzzed method, parameters, particle value
// and, optionally, the batch run's pre-processing.
//
// Input: method, flags, three parameters, width, height, five pre-processing
// bytes, then the pixels (one bit each, or one byte each when the raw flag is
// set); pixels the input does not reach are 0.

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fractal/fractal_engine.h"
#include "fractal/method_table.h"
#include "fractal/parameter_range.h"
#include "preprocess/preprocess_sequence.h"

namespace {

constexpr std::int32_t kMaxSide = 64;
constexpr std::int32_t kMaxScales = 64;
constexpr std::size_t kHeaderSize = 12;

enum Flags : std::uint8_t {
  kParticleIsBlack = 1,
  kRawPixels = 2,
  kPreprocess = 4,
  kBadParticleValue = 8,
};

// Bytes 240..255 pick values at and beyond the edges of the accepted range; the
// others stay small, so that each input runs in milliseconds.
std::int32_t Parameter(std::uint8_t byte) {
  static constexpr std::int32_t kEdges[16] = {
      0, -1, -2, INT_MIN, INT_MAX, 10000, 10001, 9999, -10000, 65535, 65536, 256, 255, 1, 2, 3};
  return byte >= 240 ? kEdges[byte - 240] : byte % 40 + 1;
}

// Thousands of scales make one input run for minutes without reaching new code:
// an accepted range of more than kMaxScales steps gets a larger step. Every
// method takes (from, to, step), except the distance map's (to, step).
bool Refused(std::uint32_t method, const kep::FractalEngine& engine) {
  return method >= static_cast<std::uint32_t>(kep::kMethodCount) ||
         kep::CheckMethodParameters(method, {engine.param1, engine.param2, engine.param3});
}

void BoundScaleCount(std::uint32_t method, kep::FractalEngine& engine) {
  if (Refused(method, engine)) return;
  const bool distanceMap = method == kep::kDistanceMapIndex;
  const std::int32_t span = distanceMap ? engine.param1 : engine.param2 - engine.param1;
  std::int32_t& step = distanceMap ? engine.param2 : engine.param3;
  if (span / step > kMaxScales) step = span / kMaxScales + 1;
}

std::uint32_t MethodIndex(std::uint8_t byte) {
  return byte == 255 ? 0xFFFFFFFFu : byte % (kep::kMethodCount + 1);
}

struct Input {
  const std::uint8_t* data;
  std::size_t size;
  std::uint8_t At(std::size_t i) const { return i < size ? data[i] : 0; }
};

void FillPixels(const Input& in, bool raw, kep::ImageBuffer& image) {
  std::size_t bit = 0;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x, ++bit) {
      const std::uint8_t value = raw ? in.At(kHeaderSize + bit)
                                     : ((in.At(kHeaderSize + bit / 8) >> (bit % 8)) & 1 ? 255 : 0);
      image.SetPixel(x, y, value);
    }
  }
}

kep::PreprocessSettings PreprocessFrom(const Input& in) {
  kep::PreprocessSettings settings;
  settings.brightPercent = in.At(7) % 110;
  settings.lowerBrightness = static_cast<std::int8_t>(in.At(8)) + 64;
  settings.higherBrightness = in.At(9) + 8;
  settings.minParticleSize = static_cast<std::int8_t>(in.At(10)) * 4;
  settings.minHoleSize = static_cast<std::int8_t>(in.At(11)) * 4;
  return settings;
}

kep::MeasureResult Measure(kep::FractalEngine& engine, std::uint32_t method,
                           const kep::ImageBuffer& image, std::uint32_t particle) {
  return engine.ComputeFD(method, image, particle,
                          kep::BackgroundValueFor(static_cast<std::int32_t>(particle)), nullptr);
}

bool SameSeries(const kep::PointSeries& a, const kep::PointSeries& b) {
  if (a.Count() != b.Count()) return false;
  for (std::int32_t i = 0; i < a.Count(); ++i) {
    if (a[i].x != b[i].x || a[i].y != b[i].y) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input in{data, size};
  const std::uint32_t method = MethodIndex(in.At(0));
  const std::uint8_t flags = in.At(1);
  kep::FractalEngine engine;
  engine.param1 = Parameter(in.At(2));
  engine.param2 = Parameter(in.At(3));
  engine.param3 = Parameter(in.At(4));
  BoundScaleCount(method, engine);

  kep::ImageBuffer loaded;
  loaded.Create(in.At(5) % kMaxSide + 1, in.At(6) % kMaxSide + 1, 1);
  FillPixels(in, flags & kRawPixels, loaded);

  const std::uint32_t particle = flags & kParticleIsBlack ? 0 : 255;
  const kep::ImageBuffer* measured = &loaded;
  kep::ImageBuffer prepared;
  if (flags & kPreprocess) {
    const std::int32_t sequenceParticle =
        flags & kBadParticleValue ? 128 : static_cast<std::int32_t>(particle);
    if (kep::RunPreprocessSequence(loaded, prepared, PreprocessFrom(in), sequenceParticle))
      return 0;
    measured = &prepared;
  }

  const kep::MeasureResult first = Measure(engine, method, *measured, particle);
  // A finite dimension with its fit exactly when there is no failure; -1.0 otherwise.
  const bool consistent = first.HasDimension()
                              ? std::isfinite(first.dimension) && first.fit.has_value()
                              : first.dimension == kep::kNoDimension && !first.fit.has_value();
  if (!consistent) std::abort();
  if (Refused(method, engine) && (first.HasDimension() || first.points.Count() != 0)) std::abort();

  // An engine measures file after file in a batch run: a second call on the same
  // engine must give exactly the same answer.
  const kep::MeasureResult second = Measure(engine, method, *measured, particle);
  if (second.dimension != first.dimension || !SameSeries(first.points, second.points)) std::abort();
  return 0;
}
