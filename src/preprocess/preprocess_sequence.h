#pragma once

#include <cstdint>

#include "image/image_buffer.h"

namespace kep {

// The values of the project form's pre-processing fields, with their defaults.
struct PreprocessSettings {
  double brightPercent = 10.0;
  std::int32_t lowerBrightness = 50;
  std::int32_t higherBrightness = 255;
  std::int32_t particleBrightness = 255;
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

enum class PreprocessOutcome {
  kDone,
  kBrightnessOutOfRange,  // lower or higher brightness outside 0..255: skipped silently
  kBadParticleValue,      // particle brightness neither 0 nor 255
  kOutOfMemory,           // no memory for the working copy: skipped like an unreadable file
};

// The percentage of bright pixels as the threshold takes it: truncated toward
// zero, and kept within 0 to 100.
std::int32_t WholePercent(double percent);

inline constexpr const char* kBadParticleMessage = "Please input 0 or 255 for particle brightness!";

// The pre-processing of every measured file of a batch: threshold, a two-pixel
// frame of background, small particles removed, small holes filled. `a` holds the
// loaded image on entry; on kDone `b` holds the image to measure (and `a` the image
// without small particles).
PreprocessOutcome RunPreprocessSequence(ImageBuffer& a, ImageBuffer& b,
                                        const PreprocessSettings& settings);

}  // namespace kep
