#include "preprocess/threshold.h"

#include <algorithm>

namespace kep {

std::uint8_t PercentileLevel(const ImageBuffer& image, std::int32_t percent) {
  percent = std::clamp(percent, 0, 100);
  // In 64 bits: width x height x percent outgrows 32 bits on large images.
  const std::int64_t target =
      static_cast<std::int64_t>(image.Width()) * image.Height() * percent / 100;
  ImageBuffer::Histogram counts;
  image.ComputeHistogram(counts);
  if (target <= 0) return 0;
  std::int64_t sum = 0;
  for (int level = 255; level >= 1; --level) {
    sum += counts[static_cast<std::size_t>(level)];
    if (sum >= target) return static_cast<std::uint8_t>(level);
  }
  // Level 0 is never counted: when only it could meet the target, 1 is the level.
  return 1;
}

void ThresholdRange(ImageBuffer& dest, std::uint8_t low, std::uint8_t high,
                    const ImageBuffer& src) {
  // The width in a local: a byte store could otherwise change the image's, which
  // would be read again for every pixel and keep the loop from being vectorized.
  const std::int32_t width = dest.Width();
  for (std::int32_t y = 0; y < dest.Height(); ++y) {
    const std::uint8_t* in = src.PixelAddress(0, y);
    std::uint8_t* out = dest.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) out[x] = (in[x] >= low && in[x] <= high) ? 255 : 0;
  }
}

void ThresholdBright(ImageBuffer& dest, std::int32_t percent, std::uint8_t lower,
                     std::uint8_t higher, const ImageBuffer& src) {
  // The brightness window cuts what the percentile lets through: a pixel passes
  // both cuts or is 0.
  const std::uint8_t level = PercentileLevel(src, percent);
  const std::int32_t width = dest.Width();
  for (std::int32_t y = 0; y < dest.Height(); ++y) {
    const std::uint8_t* in = src.PixelAddress(0, y);
    std::uint8_t* out = dest.PixelAddress(0, y);
    for (std::int32_t x = 0; x < width; ++x) {
      const std::uint8_t v = in[x];
      out[x] = (v >= level && v >= lower && v <= higher) ? 255 : 0;
    }
  }
}

}  // namespace kep
