#pragma once

#include <cstdint>

#include "image/image_buffer.h"

namespace kep {

// dest (the same size as src, a different image) receives src with its objects of
// grey value `value` grown by the radius: by one pixel west and north for radius
// 0, by the four-neighbour cross for radius 1, by a disc around every boundary
// pixel for larger radii. A negative radius only paints dest's outermost frame
// with the other binary value.
void Dilate(ImageBuffer& dest, std::uint8_t value, std::int32_t radius, const ImageBuffer& src);

}  // namespace kep
