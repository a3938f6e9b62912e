#pragma once

#include <cstdint>
#include <optional>

#include "failure/failure.h"
#include "image/image_buffer.h"

namespace kep {

// The values of the forms' pre-processing fields, with their defaults.
struct PreprocessSettings {
  double brightPercent = 10.0;
  std::int32_t lowerBrightness = 50;
  std::int32_t higherBrightness = 255;
  std::int32_t minParticleSize = 300;
  std::int32_t minHoleSize = 300;
};

// The values every front end accepts for those fields, each from 0: the
// percentage up to 100, the two brightness values up to 255, the particle and
// hole sizes up to a million pixels.
inline constexpr double kMaxBrightPercent = 100.0;
inline constexpr std::int32_t kMaxBrightness = 255;
inline constexpr std::int32_t kMaxRegionSize = 1000000;

inline constexpr bool IsBrightness(std::int32_t value) {
  return value >= 0 && value <= kMaxBrightness;
}
// The particles are bright (255) or dark (0); any other value is refused.
inline constexpr bool IsParticleValue(std::int32_t value) { return value == 0 || value == 255; }
// The background is the other binary value.
inline constexpr std::uint8_t BackgroundValueFor(std::int32_t particle) {
  return particle == 0 ? 255 : 0;
}

inline constexpr const char* kBadParticleMessage = "Please input 0 or 255 for particle brightness!";

// bad-settings, with the system's message, for a particle value other than 0 or 255.
std::optional<Failure> CheckParticleValue(std::int32_t particle);

// The percentage of bright pixels as the threshold takes it: truncated toward
// zero, and kept within 0 to 100.
std::int32_t WholePercent(double percent);

// The pre-processing of every measured file of a batch: threshold, a two-pixel
// frame of background, small particles removed, small holes filled. `a` holds the
// image on entry; on success `b` holds the image to measure (and `a` the image
// without small particles). Fails with out-of-memory when the working copy cannot
// be made, and with bad-settings for a brightness outside 0 to 255 (before
// anything is done) or a particle value other than 0 or 255 (after the threshold).
std::optional<Failure> RunPreprocessSequence(ImageBuffer& a, ImageBuffer& b,
                                             const PreprocessSettings& settings,
                                             std::int32_t particle);

}  // namespace kep
