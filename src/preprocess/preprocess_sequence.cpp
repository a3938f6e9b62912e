#include "preprocess/preprocess_sequence.h"

namespace kep {

// Values outside 0..100 (and NaN) end up at the limits PercentileLevel clamps to
// anyway.
std::int32_t WholePercent(double percent) {
  if (!(percent > 0.0)) return 0;
  if (percent >= 100.0) return 100;
  return static_cast<std::int32_t>(percent);
}

PreprocessOutcome RunPreprocessSequence(ImageBuffer& a, ImageBuffer& b,
                                        const PreprocessSettings& settings) {
  if (!b.CopyFrom(a)) return PreprocessOutcome::kOutOfMemory;
  if (!IsBrightness(settings.lowerBrightness) || !IsBrightness(settings.higherBrightness)) {
    return PreprocessOutcome::kBrightnessOutOfRange;
  }
  const std::int32_t particle = settings.particleBrightness;
  const std::uint8_t background = particle == 0 ? 255 : 0;
  b.ThresholdBright(WholePercent(settings.brightPercent),
                    static_cast<std::uint8_t>(settings.lowerBrightness),
                    static_cast<std::uint8_t>(settings.higherBrightness), a);
  // A frame of background keeps every particle off the image's edge.
  b.FillBorder(2, background);
  if (!IsParticleValue(particle)) return PreprocessOutcome::kBadParticleValue;
  const auto particleValue = static_cast<std::uint8_t>(particle);
  a.RemoveRegions(particleValue, background, settings.minParticleSize, b);
  b.RemoveRegions(background, particleValue, settings.minHoleSize, a);
  return PreprocessOutcome::kDone;
}

}  // namespace kep
