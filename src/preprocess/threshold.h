#pragma once

#include <cstdint>

#include "image/image_buffer.h"

namespace kep {

// The grey level at which the brightest `percent` of the pixels begins (percent
// held to 0..100): the highest level whose count, added to the counts of every
// brighter level, reaches that share of the pixels; 0 for a share of none, and
// never below 1 otherwise.
std::uint8_t PercentileLevel(const ImageBuffer& image, std::int32_t percent);
// 255 where the source pixel lies within low..high, 0 elsewhere; dest and src have
// the same size.
void ThresholdRange(ImageBuffer& dest, std::uint8_t low, std::uint8_t high, const ImageBuffer& src);
// 255 where the source pixel is among the brightest `percent` and within
// lower..higher, 0 elsewhere.
void ThresholdBright(ImageBuffer& dest, std::int32_t percent, std::uint8_t lower,
                     std::uint8_t higher, const ImageBuffer& src);

}  // namespace kep
