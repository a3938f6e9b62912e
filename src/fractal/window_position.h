#pragma once

#include <cstdint>

namespace kep {

// trunc(v * scale), the window position of an image coordinate. Positions beyond
// the 32-bit range (a box reaching far past the image) stick to its ends, and a
// scale that is not a number (an image without pixels) gives 0.
std::int32_t ScaleToWindow(std::int64_t v, double scale);

}  // namespace kep
