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
  static constexpr std::int32_t kEdges[16] = {0,     -1,    -2,     INT_MIN, INT_MAX, 10000,
                                              10001, 9999,  -10000, 65535,   65536,   256,
                                              255,   1,     2,      3};
  return byte >= 240 ? kEdges[byte - 240] : byte % 40 + 1;
}

// Thousands of scales make one input run for minutes without reaching new code:
// an accepted range of more than kMaxScales steps gets a larger step. Every
// method takes (from, to, step), except the distance map's (to, step).
void BoundScaleCount(std::uint32_t method, kep::FractalEngine& engine) {
  if (!kep::MethodParametersInRange(method, engine.param1, engine.param2, engine.param3)) return;
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
      const std::uint8_t value =
          raw ? in.At(kHeaderSize + bit)
              : ((in.At(kHeaderSize + bit / 8) >> (bit % 8)) & 1 ? 255 : 0);
      image.SetPixel(x, y, value);
    }
  }
}

kep::PreprocessSettings PreprocessFrom(const Input& in, std::uint8_t flags) {
  kep::PreprocessSettings settings;
  settings.brightPercent = in.At(7) % 110;
  settings.lowerBrightness = static_cast<std::int8_t>(in.At(8)) + 64;
  settings.higherBrightness = in.At(9) + 8;
  settings.particleBrightness =
      flags & kBadParticleValue ? 128 : (flags & kParticleIsBlack ? 0 : 255);
  settings.minParticleSize = static_cast<std::int8_t>(in.At(10)) * 4;
  settings.minHoleSize = static_cast<std::int8_t>(in.At(11)) * 4;
  return settings;
}

struct Outcome {
  double fd;
  kep::PointSeries series;
};

Outcome Measure(kep::FractalEngine& engine, std::uint32_t method, const kep::ImageBuffer& image,
                std::uint32_t particle) {
  Outcome outcome{0.0, {}};
  outcome.fd = engine.ComputeFD(method, &image, particle, particle == 0 ? 255 : 0,
                                &outcome.series, nullptr);
  return outcome;
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

  std::uint32_t particle = flags & kParticleIsBlack ? 0 : 255;
  const kep::ImageBuffer* measured = &loaded;
  kep::ImageBuffer prepared;
  if (flags & kPreprocess) {
    const kep::PreprocessSettings settings = PreprocessFrom(in, flags);
    if (kep::RunPreprocessSequence(loaded, prepared, settings) != kep::PreprocessOutcome::kDone) {
      return 0;
    }
    particle = static_cast<std::uint32_t>(settings.particleBrightness);
    measured = &prepared;
  }

  const Outcome first = Measure(engine, method, *measured, particle);
  if (!(first.fd == kep::kNoDimension || std::isfinite(first.fd))) std::abort();
  const bool refused = method >= static_cast<std::uint32_t>(kep::kMethodCount) ||
                       !kep::MethodParametersInRange(method, engine.param1, engine.param2,
                                                     engine.param3);
  if (refused && (first.fd != kep::kNoDimension || first.series.Count() != 0)) std::abort();

  // An engine measures file after file in a batch run: a second call on the same
  // engine must give exactly the same answer.
  const Outcome second = Measure(engine, method, *measured, particle);
  if (second.fd != first.fd || !SameSeries(first.series, second.series)) std::abort();
  return 0;
}
