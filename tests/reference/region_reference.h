#pragma once

#include <cstdint>

#include "image/image_buffer.h"

namespace kep::reference {

// Paints the 4- or 8-connected region of the seed pixel's value with fillValue,
// one pixel at a time from a queue; returns the number of pixels painted.
std::int64_t FillRegion(ImageBuffer& image, std::int32_t x, std::int32_t y, std::uint8_t fillValue,
                        int connectivity);

// dst = src with every 4-connected region of regionValue of at most minSize
// pixels painted with fillValue.
void RemoveSmallRegions(ImageBuffer& dst, std::uint8_t regionValue, std::uint8_t fillValue,
                        std::int32_t minSize, const ImageBuffer& src);

}  // namespace kep::reference
