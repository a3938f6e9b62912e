#pragma once

#include <cstdint>

#include "image/image_buffer.h"

namespace kep {

// Copies src into dest (the same size) with every 4-connected region of
// regionValue no larger than minSize pixels painted fillValue: small particles
// removed with the particle value as region value, small holes filled with the
// background value.
void RemoveRegions(ImageBuffer& dest, std::uint8_t regionValue, std::uint8_t fillValue,
                   std::int32_t minSize, const ImageBuffer& src);

}  // namespace kep
