#include "preprocess/preprocess_sequence.h"

#include <string>

#include "preprocess/remove_regions.h"
#include "preprocess/threshold.h"

namespace kep {

namespace {

std::optional<Failure> CheckBrightness(const char* name, std::int32_t value) {
  if (IsBrightness(value)) return std::nullopt;
  return Failure{FailureCode::kBadSettings, std::string(name) + " " + std::to_string(value) +
                                                " is outside 0 to " +
                                                std::to_string(kMaxBrightness)};
}

}  // namespace

std::optional<Failure> CheckParticleValue(std::int32_t particle) {
  if (IsParticleValue(particle)) return std::nullopt;
  return Failure{FailureCode::kBadSettings,
                 "Particle Brightness " + std::to_string(particle) + " is neither 0 nor 255",
                 kBadParticleMessage};
}

// Values outside 0..100 (and NaN) end up at the limits PercentileLevel clamps to
// anyway.
std::int32_t WholePercent(double percent) {
  if (!(percent > 0.0)) return 0;
  if (percent >= 100.0) return 100;
  return static_cast<std::int32_t>(percent);
}

std::optional<Failure> RunPreprocessSequence(ImageBuffer& a, ImageBuffer& b,
                                             const PreprocessSettings& settings,
                                             std::int32_t particle) {
  if (!b.CopyFrom(a)) {
    return Failure{FailureCode::kOutOfMemory, "not enough memory for a working copy of the image"};
  }
  if (auto failure = CheckBrightness("Lower Brightness", settings.lowerBrightness)) return failure;
  if (auto failure = CheckBrightness("Higher Brightness", settings.higherBrightness))
    return failure;
  const std::uint8_t background = BackgroundValueFor(particle);
  ThresholdBright(b, WholePercent(settings.brightPercent),
                  static_cast<std::uint8_t>(settings.lowerBrightness),
                  static_cast<std::uint8_t>(settings.higherBrightness), a);
  // A frame of background keeps every particle off the image's edge.
  b.FillBorder(2, background);
  if (auto failure = CheckParticleValue(particle)) return failure;
  const auto particleValue = static_cast<std::uint8_t>(particle);
  RemoveRegions(a, particleValue, background, settings.minParticleSize, b);
  RemoveRegions(b, background, particleValue, settings.minHoleSize, a);
  return std::nullopt;
}

}  // namespace kep
